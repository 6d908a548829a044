#include "support/ProgramFixture.h"

#include "meet/TableModels.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QtTest>

void clickRow(QWidget& window, const QString& grid, int row, Clicks clicks)
{
    auto* view = window.findChild<QAbstractItemView*>(grid);
    if (!view)
        return QTest::qFail(qPrintable(grid + QStringLiteral(" missing")), __FILE__, __LINE__);
    const QPoint centre = view->visualRect(view->model()->index(row - 1, 0)).center();
    if (window.childAt(view->viewport()->mapTo(&window, centre)) != view->viewport())
        return QTest::qFail(qPrintable(QStringLiteral("%1 row %2 cannot be clicked").arg(grid).arg(row)), __FILE__,
            __LINE__);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, centre);
    if (clicks == Clicks::Twice)
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, centre);
}

void clickButton(QWidget& window, const QString& button)
{
    auto* found = window.findChild<QAbstractButton*>(button);
    if (!found)
        return QTest::qFail(qPrintable(button + QStringLiteral(" missing")), __FILE__, __LINE__);
    QTest::mouseClick(found, Qt::LeftButton);
}

ProgramFixture::ProgramFixture(Start start, const std::function<void(ProgramFixture&)>& prepare)
{
    if (start == Demo)
        for (const auto& file : std::filesystem::directory_iterator(KORVANDA_DEMO_MEET))
            std::filesystem::copy_file(file.path(), dir.path() / file.path().filename());
    meet.directory = dir.path();
    if (prepare)
        prepare(*this);
    shell.models().refresh();
    shell.loadWindows();
}

void ProgramFixture::scrollToRow(korvanda::WindowKind kind, const QString& grid, int row)
{
    auto* view = child<QAbstractItemView>(kind, grid);
    view->scrollTo(view->model()->index(row - 1, 0));
}
