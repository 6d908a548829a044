#pragma once

#include "network/ScorerCodes.h"

#include <QString>

#include <filesystem>

class QPagedPaintDevice;
class QWidget;

namespace korvanda {

// One card per mat for the scorer's table: the mat's number, the QR code of
// its scorer link, the address and the PIN. Printed and exported the way
// the lists are, on the same paper.
class MatCards {
public:
    // `address` is the spectator page's, as "http://192.168.1.20:8642/".
    MatCards(ScorerCodes codes, QString address);

    bool paint(QPagedPaintDevice& device) const;
    // The print preview, from which the director prints.
    void preview(QWidget* parent) const;
    // False when the PDF could not be written; an older copy stays whole.
    bool writePdf(const std::filesystem::path& path) const;

    // The link a mat's QR code holds; the code after "#" never leaves the
    // phone in a request line.
    static QString scorerLink(const QString& address, const MatCode& code);

private:
    ScorerCodes codes_;
    QString address_;
};

} // namespace korvanda
