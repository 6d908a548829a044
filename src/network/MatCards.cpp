#include "network/MatCards.h"

#include "bouts/ListPrinter.h"
#include "network/QrCode.h"

#include <QPagedPaintDevice>
#include <QPainter>

namespace korvanda {

MatCards::MatCards(ScorerCodes codes, QString address)
    : codes_(std::move(codes))
    , address_(std::move(address))
{
}

QString MatCards::scorerLink(const QString& address, const MatCode& code)
{
    return address + QStringLiteral("scorer#t=") + QString::fromLatin1(code.token);
}

bool MatCards::paint(QPagedPaintDevice& device) const
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const QRect page = painter.viewport();
    const int unit = page.height() / 40;
    for (std::size_t k = 0; k < codes_.mats.size(); ++k) {
        const MatCode& code = codes_.mats[k];
        if (k > 0)
            device.newPage();
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(unit * 3);
        font.setBold(true);
        painter.setFont(font);
        QRect line(page.left(), page.top(), page.width(), unit * 4);
        painter.drawText(line, Qt::AlignHCenter | Qt::AlignVCenter, QStringLiteral("Mat %1 scorer").arg(code.mat));
        const QImage qr = qrCode(scorerLink(address_, code));
        const int side = std::min(page.width(), unit * 22);
        const QRect square(page.left() + (page.width() - side) / 2, line.bottom() + unit, side, side);
        // Sharp modules: a smoothed code scans badly from paper.
        painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
        painter.drawImage(square, qr);
        font.setBold(false);
        font.setPixelSize(unit * 3 / 2);
        painter.setFont(font);
        line = QRect(page.left(), square.bottom() + unit, page.width(), unit * 2);
        painter.drawText(line, Qt::AlignHCenter, QStringLiteral("Scan the code, or open %1scorer").arg(address_));
        line.translate(0, unit * 3);
        font.setPixelSize(unit * 3);
        font.setBold(true);
        painter.setFont(font);
        painter.drawText(line.adjusted(0, 0, 0, unit * 2), Qt::AlignHCenter,
            QStringLiteral("PIN %1").arg(QString::fromLatin1(code.pin)));
    }
    return painter.end();
}

void MatCards::preview(QWidget* parent) const
{
    previewPages(parent, QStringLiteral("Mat Cards"),
        [cards = *this](QPagedPaintDevice& device) { return cards.paint(device); });
}

bool MatCards::writePdf(const std::filesystem::path& path) const
{
    return writePagesPdf(
        path, QStringLiteral("Mat Cards"), [this](QPagedPaintDevice& device) { return paint(device); });
}

} // namespace korvanda
