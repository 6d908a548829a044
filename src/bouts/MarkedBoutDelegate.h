#pragma once

#include <QStyledItemDelegate>

#include <set>

namespace korvanda {

// Colours the rows of a mat table whose bout is marked, so a wrestler's
// bouts too close together stand out; the tables and files stay as they are.
class MarkedBoutDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void setMarked(std::set<int> bouts) { marked_ = std::move(bouts); }
    const std::set<int>& marked() const { return marked_; }

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;

private:
    std::set<int> marked_;
};

} // namespace korvanda
