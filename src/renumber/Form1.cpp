#include "renumber/Form1.h"

#include "renumber/FormPlacement.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

#ifdef Q_OS_WIN
#include "renumber/Viewer.h"

#include <QProcess>
#include <windows.h>
#endif

namespace {

QString fromBytes(const std::string& text)
{
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

// The sample texts separate their lines with CR LF; the boxes want LF.
QString boxText(const std::string& text)
{
    return fromBytes(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text = {})
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

QPushButton* makeButton(QWidget* parent, const char* name, const char* caption)
{
    auto* button = new QPushButton(QString::fromLatin1(caption), parent);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

QPlainTextEdit* makeSampleBox(QWidget* parent, const char* name)
{
    auto* box = new QPlainTextEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setReadOnly(true);
    // Bout sheets are fixed-width columns.
    box->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    box->setLineWrapMode(QPlainTextEdit::NoWrap);
    box->hide();
    return box;
}

bool openInPlatformViewer(const QString& directory, const QString& fileName)
{
#ifdef Q_OS_WIN
    if (quillon::chooseViewer(L"c:\\windows\\write.exe") == quillon::Viewer::WordPad) {
        // The command line is "c:\windows\write.exe <file>"; the file name
        // is relative, so the viewer starts in the program's directory.
        QProcess viewer;
        viewer.setProgram(QStringLiteral("c:\\windows\\write.exe"));
        viewer.setNativeArguments(fileName);
        viewer.setWorkingDirectory(directory);
        viewer.setCreateProcessArgumentsModifier([](QProcess::CreateProcessArguments* arguments) {
            arguments->startupInfo->dwFlags |= STARTF_USESHOWWINDOW;
            arguments->startupInfo->wShowWindow = SW_SHOWMAXIMIZED;
        });
        if (viewer.startDetached())
            return true;
    }
#endif
    return QDesktopServices::openUrl(QUrl::fromLocalFile(QDir(directory).filePath(fileName)));
}

} // namespace

Form1Services Form1Services::platform()
{
    Form1Services services;
    services.inform = [](QWidget* parent, const QString& text) {
        QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Quillon"), text, QMessageBox::Ok, parent);
        box.exec();
    };
    services.openInViewer = openInPlatformViewer;
    services.endProgram = [] { QCoreApplication::exit(1); };
    services.chooseFolder = [](QWidget* parent, const QString& startFolder) {
        return QFileDialog::getExistingDirectory(parent, QStringLiteral("Folder of the Bout Sheets"), startFolder);
    };
    return services;
}

Form1::Form1(const QString& directory, Form1Services services, QWidget* parent)
    : QWidget(parent)
    , directoryText_(directory)
    , directory_(std::filesystem::path(directory.toStdU16String()),
          QDir::toNativeSeparators(directory).toLatin1().toStdString())
    , services_(std::move(services))
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Quillon"));

    auto* label8 = makeLabel(this, "Label8", QStringLiteral("Quillon"));
    QFont titleFont = label8->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 2);
    titleFont.setBold(true);
    label8->setFont(titleFont);
    label8->setAlignment(Qt::AlignCenter);
    auto* label2 = makeLabel(this, "Label2",
        QStringLiteral("This program must be in the same directory as \"boutsheets.txt\" and "
                       "\"_current_meet_v2.txt\""));
    auto* label3 = makeLabel(this, "Label3",
        QStringLiteral("-First, it reads the Python and Korvanda bout numbers from  first and "
                       "last columns of _current_meet_v2.txt"));
    auto* label5 = makeLabel(this, "Label5",
        QStringLiteral("-Next, it copies boutsheets.txt into a new file, replacing the bout # "
                       "with Python bout# (and preserving the Korvanda bout # for reference)"));

    command2_ = makeButton(this, "Command2", "Generate Renumbered Bout Sheets ");
    command1_ = makeButton(this, "Command1", "Open Renumbered Bout Sheets");
    command3_ = makeButton(this, "Command3", "Open Current Bout List");
    command4_ = makeButton(this, "Command4", "About");
    auto* folderButton = makeButton(this, "FolderButton", "Folder...");
    folderLabel_ = makeLabel(this, "FolderLabel", QDir::toNativeSeparators(directory));
    command1_->hide();
    command3_->hide();

    check1_ = new QCheckBox(QStringLiteral("Show Sample Results"), this);
    check1_->setObjectName(QStringLiteral("Check1"));

    label1_ = makeLabel(this, "Label1");
    label7_ = makeLabel(this, "Label7");
    label4_ = makeLabel(this, "Label4");
    label6_ = makeLabel(this, "Label6");
    label9_ = makeLabel(this, "Label9");
    label10_ = makeLabel(this, "Label10");
    label11_ = makeLabel(this, "Label11");
    text1_ = makeSampleBox(this, "Text1");
    text2_ = makeSampleBox(this, "Text2");
    text3_ = makeSampleBox(this, "Text3");
    // The samples sit under labels that change, so their names say what they hold.
    text1_->setAccessibleName(QStringLiteral("Sample of the bout number mapping"));
    text2_->setAccessibleName(QStringLiteral("Sample of the bout sheets read"));
    text3_->setAccessibleName(QStringLiteral("Sample of the renumbered bout sheets"));

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(command2_);
    buttons->addWidget(command1_);
    buttons->addWidget(command3_);
    buttons->addStretch();
    buttons->addWidget(command4_);

    auto* samples = new QGridLayout;
    samples->addWidget(label9_, 0, 0);
    samples->addWidget(label10_, 0, 1);
    samples->addWidget(label11_, 0, 2);
    samples->addWidget(text1_, 1, 0);
    samples->addWidget(text2_, 1, 1);
    samples->addWidget(text3_, 1, 2);
    samples->setColumnStretch(0, 2);
    samples->setColumnStretch(1, 3);
    samples->setColumnStretch(2, 3);
    samples->setRowStretch(1, 1);

    auto* folder = new QHBoxLayout;
    folder->addWidget(folderButton);
    folder->addWidget(folderLabel_, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label8);
    layout->addLayout(folder);
    layout->addWidget(label2);
    layout->addWidget(label3);
    layout->addWidget(label5);
    layout->addLayout(buttons);
    layout->addWidget(check1_);
    layout->addWidget(label1_);
    layout->addWidget(label7_);
    layout->addWidget(label4_);
    layout->addWidget(label6_);
    layout->addLayout(samples, 1);
    quillon::FormPlacement::keep(*this, { 1000, 620 });

    connect(command2_, &QPushButton::clicked, this, &Form1::generate);
    connect(command1_, &QPushButton::clicked, this, [this] { openFile(quillon::ViewedFile::RenumberedSheets); });
    connect(command3_, &QPushButton::clicked, this, [this] { openFile(quillon::ViewedFile::Mappings); });
    connect(
        command4_, &QPushButton::clicked, this, [this] { services_.inform(this, fromBytes(quillon::aboutMessage())); });
    connect(check1_, &QCheckBox::toggled, this, &Form1::showSample);
    connect(folderButton, &QPushButton::clicked, this, &Form1::chooseFolder);
}

bool Form1::changeFolder(const QString& directory)
{
    const quillon::ProgramDirectory next(std::filesystem::path(directory.toStdU16String()),
        QDir::toNativeSeparators(directory).toLatin1().toStdString());
    const std::string problem = quillon::folderProblem(next);
    if (!problem.empty()) {
        services_.inform(this, fromBytes(problem));
        return false;
    }
    directoryText_ = directory;
    directory_ = next;
    folderLabel_->setText(QDir::toNativeSeparators(directory));
    // The mappings and results of the folder left behind mean nothing here.
    boutMap_ = {};
    command1_->hide();
    command3_->hide();
    for (auto* label : { label1_, label4_, label6_, label7_ })
        label->clear();
    for (auto* box : { text1_, text2_, text3_ })
        box->clear();
    showSample(sampleOn());
    return true;
}

void Form1::chooseFolder()
{
    if (!services_.chooseFolder)
        return;
    const QString chosen = services_.chooseFolder(this, directoryText_);
    if (!chosen.isEmpty())
        changeFolder(chosen);
}

bool Form1::sampleOn() const
{
    return check1_->isChecked();
}

void Form1::showSample(bool on)
{
    text1_->setVisible(on);
    text2_->setVisible(on);
    text3_->setVisible(on);
    if (on) {
        label9_->setText(QStringLiteral("BOUT MAPPINGS"));
        label10_->setText(QStringLiteral("EXISTING BOUT SHEETS FROM KORVANDA"));
        label11_->setText(QStringLiteral("RENUMBERED BOUT SHEETS FROM THIS PROGRAM"));
    }
}

void Form1::generate()
{
    const auto mapping = quillon::readMappingFile(directory_, sampleOn(), boutMap_);
    if (mapping.sample) {
        label1_->setText(fromBytes(mapping.sample->openedLabel));
        text1_->setPlainText(boxText(mapping.sample->mappings));
        label9_->setText(fromBytes(mapping.sample->heading));
    }
    if (!mapping.found) {
        tellAndEnd(mapping.failure);
        return;
    }
    // Show the mappings before the bout sheets are copied; clicks wait.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);

    const auto sheets = quillon::writeRenumberedSheets(directory_, sampleOn(), boutMap_);
    switch (sheets.outcome) {
    case quillon::SheetsOutcome::SheetsMissing:
        tellAndEnd(sheets.failure);
        return;
    case quillon::SheetsOutcome::WriteFailed:
        services_.inform(this, fromBytes(sheets.failure));
        return;
    case quillon::SheetsOutcome::Written:
        break;
    }
    if (sheets.sample) {
        label7_->setText(fromBytes(sheets.sample->openedLabel));
        text2_->setPlainText(boxText(sheets.sample->inputLines));
        text3_->setPlainText(boxText(sheets.sample->outputLines));
        label10_->setText(fromBytes(sheets.sample->inputHeading));
        label11_->setText(fromBytes(sheets.sample->outputHeading));
    }
    label4_->setText(fromBytes(sheets.doneLabel));
    label6_->setText(fromBytes(sheets.nextLabel));
    command1_->show();
    command3_->show();
}

void Form1::openFile(quillon::ViewedFile which)
{
    const auto file = quillon::viewedFile(directory_, which);
    if (!file || !services_.openInViewer(directoryText_, QString::fromStdU16String(file->filename().u16string())))
        services_.inform(this, fromBytes(quillon::viewerFailureMessage(directory_, which)));
}

void Form1::tellAndEnd(const std::string& message)
{
    services_.inform(this, fromBytes(message));
    services_.endProgram();
}
