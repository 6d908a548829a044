#pragma once

#include <QObject>
#include <QSize>

class QWidget;

namespace quillon {

// Quillon's window opens at its laid-out size as far as the screen's free
// area allows, centred; later it comes back where it was left, while that
// place still lies on a screen. Kept in Quillon's own QSettings.
class FormPlacement : public QObject {
    Q_OBJECT
public:
    static void keep(QWidget& form, QSize startSize);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit FormPlacement(QWidget& form);
    void place(QSize startSize);
    void remember() const;

    QWidget& form_;
};

} // namespace quillon
