#pragma once

#include <QImage>
#include <QString>

namespace korvanda {

// The QR code of `text`, one pixel per module with the four-module quiet
// zone a scanner needs; a null image when the text is too long for one.
// Scale it up without smoothing.
QImage qrCode(const QString& text);

} // namespace korvanda
