#include "app/SplashScreen.h"

#include <QEvent>
#include <QFontDatabase>
#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QTimer>

namespace korvanda {

namespace {

// Two wrestlers' circles on a mat: the program's emblem.
QPixmap emblem()
{
    QPixmap picture(120, 120);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(QColor(40, 70, 140));
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(4, 4, 112, 112);
    painter.setBrush(QColor(200, 40, 40));
    painter.drawEllipse(22, 40, 40, 40);
    painter.setBrush(QColor(30, 150, 60));
    painter.drawEllipse(58, 40, 40, 40);
    return picture;
}

QLabel* label(const char* name, const QString& text, int pointSize, QWidget* parent)
{
    auto* l = new QLabel(text, parent);
    l->setObjectName(QString::fromLatin1(name));
    // Where Impact is not installed a plain bold face stands in, never a
    // symbol font picked by the system's substitution.
    QFont font
        = QFontDatabase::families().contains(QStringLiteral("Impact")) ? QFont(QStringLiteral("Impact")) : QFont();
    font.setPointSize(pointSize);
    if (font.family() != QStringLiteral("Impact"))
        font.setBold(true);
    l->setFont(font);
    l->setAlignment(Qt::AlignCenter);
    return l;
}

} // namespace

SplashScreen::SplashScreen(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen)
    , timer_(new QTimer(this))
{
    setObjectName(QStringLiteral("SplashScreen"));
    setAutoFillBackground(true);
    QPalette background = palette();
    background.setColor(QPalette::Window, QColor(192, 192, 192));
    setPalette(background);

    auto* layout = new QGridLayout(this);
    auto* image = new QLabel(this);
    image->setObjectName(QStringLiteral("Image1"));
    image->setPixmap(emblem());
    auto* title = label("Label1", tr("Korvanda"), 36, this);
    auto* subtitle = label("Label2", tr("Wrestling Match Management System"), 16, this);
    auto* smallPrint = label("Label3", tr("For youth wrestling meets"), 9, this);
    auto* version = label("Label4", tr("Version 0.10"), 10, this);
    auto* restrictions = label("Label5", tr("See restrictions and warnings in the About tab."), 10, this);
    layout->addWidget(image, 0, 0, 3, 1);
    layout->addWidget(title, 0, 1);
    layout->addWidget(subtitle, 1, 1);
    layout->addWidget(smallPrint, 2, 1);
    layout->addWidget(version, 3, 1);
    layout->addWidget(restrictions, 4, 0, 1, 2);
    for (QWidget* leaves : { static_cast<QWidget*>(image), static_cast<QWidget*>(title),
             static_cast<QWidget*>(subtitle), static_cast<QWidget*>(smallPrint) })
        leaves->installEventFilter(this);

    timer_->setObjectName(QStringLiteral("Timer1"));
    timer_->setSingleShot(true);
    timer_->setInterval(3000);
    connect(timer_, &QTimer::timeout, this, &SplashScreen::showTeamScreenAndClose);
    timer_->start();
}

bool SplashScreen::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        showTeamScreenAndClose();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void SplashScreen::showTeamScreenAndClose()
{
    if (done_)
        return;
    done_ = true;
    timer_->stop();
    emit finished();
    close();
}

} // namespace korvanda
