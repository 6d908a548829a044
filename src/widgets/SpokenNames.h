#pragma once

#include <QString>

class QWidget;

namespace korvanda {

// The words a caption shows, without its access-key marks and padding:
// "  &Load Rosters" is heard as "Load Rosters".
QString shownWords(const QString& caption);

// Names a control after the words of its label, followed by what the
// label leaves to the eye: label "Age" and detail "ideal difference" give
// "Age, ideal difference". A description says what a terse control does.
void nameAfterLabel(
    QWidget* control, const QString& labelCaption, const QString& detail = {}, const QString& description = {});

} // namespace korvanda
