#pragma once

#include "renumber/BoutMap.h"
#include "renumber/Generation.h"
#include "renumber/ProgramFiles.h"

#include <QWidget>

#include <functional>
#include <string>

class QCheckBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

// What the window asks of the world outside it: tests put recorders here,
// so no message box blocks them and no viewer or exit really happens.
struct Form1Services {
    // A message with an OK button.
    std::function<void(QWidget* parent, const QString& text)> inform;
    // Starts the text viewer on a file of the directory; false when it cannot.
    std::function<bool(const QString& directory, const QString& fileName)> openInViewer;
    // Ends the program once the current click is handled.
    std::function<void()> endProgram;
    // Asks for the folder of the files; the empty text when cancelled.
    std::function<QString(QWidget* parent, const QString& startFolder)> chooseFolder;

    // Real message boxes, the system's viewer and a real end.
    static Form1Services platform();
};

// Quillon's only window: renumbers the bout sheets found in `directory`.
class Form1 : public QWidget {
    Q_OBJECT

public:
    explicit Form1(
        const QString& directory, Form1Services services = Form1Services::platform(), QWidget* parent = nullptr);

    // Works on the files of `directory` from now on, as a start there would;
    // a folder that cannot be used is named in a message and the window
    // stays where it was. False then.
    bool changeFolder(const QString& directory);

private:
    void chooseFolder();
    void generate();
    void showSample(bool on);
    void openFile(quillon::ViewedFile which);
    void tellAndEnd(const std::string& message);
    bool sampleOn() const;

    QString directoryText_;
    quillon::ProgramDirectory directory_;
    Form1Services services_;
    // Mappings stay from one generation to the next until overwritten.
    quillon::BoutMap boutMap_;

    QPushButton* command1_;
    QPushButton* command2_;
    QPushButton* command3_;
    QPushButton* command4_;
    QCheckBox* check1_;
    QPlainTextEdit* text1_;
    QPlainTextEdit* text2_;
    QPlainTextEdit* text3_;
    QLabel* label1_;
    QLabel* label4_;
    QLabel* label6_;
    QLabel* label7_;
    QLabel* label9_;
    QLabel* label10_;
    QLabel* label11_;
    QLabel* folderLabel_;
};
