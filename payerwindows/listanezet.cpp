#include "payerwindows/listanezet.h"

#include <QFontMetricsF>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyleOptionFocusRect>
#include <QStyleOptionViewItem>
#include <QStyledItemDelegate>

#include <algorithm>
#include <cmath>

namespace {

// Cells draw no focus frame of their own: the view draws one around the whole row.
class SorDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

 protected:
  void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
    QStyledItemDelegate::initStyleOption(option, index);
    option->state &= ~QStyle::State_HasFocus;
  }
};

}  // namespace

ListaNezet::ListaNezet(QWidget* parent) : QTableView(parent) {
  setItemDelegate(new SorDelegate(this));
  setShowGrid(false);
  setWordWrap(false);
  setTabKeyNavigation(false);
  setCornerButtonEnabled(false);
  setHorizontalScrollMode(ScrollPerPixel);
  verticalHeader()->hide();
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  verticalHeader()->setMinimumSectionSize(1);
  sorMagassag();
  horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  horizontalHeader()->setHighlightSections(false);
  horizontalHeader()->setSectionsMovable(true);
}

void ListaNezet::sorMagassag() {
  // Every row as high as one line of a list item, and as high as the accents over the font's
  // capitals need (Ő and Ö, Ű and Ü are different letters): the text stands in the middle of its
  // row on one line of the font, and the accents of "Ő", "Ű", "Á" reach above the font's
  // ascent in many fonts, so the row leaves that much room above and below. The height is
  // fixed, so the view finds any row by arithmetic.
  QStyleOptionViewItem o;
  initViewItemOption(&o);
  o.features |= QStyleOptionViewItem::HasDisplay;
  o.text = QStringLiteral("Áy");
  const int stilus = style()->sizeFromContents(QStyle::CT_ItemViewItem, &o, QSize(), this).height();
  const QFontMetricsF fm(o.font);
  const QRectF tinta = fm.tightBoundingRect(QStringLiteral("ŐŰÁÉÍÓÚÖÜgjpqy"));  // y from the baseline
  const double tul = std::max({0.0, -tinta.top() - fm.ascent(), tinta.bottom() - fm.descent()});
  const int kell = int(std::ceil(fm.height() + 2 * tul));
  verticalHeader()->setDefaultSectionSize(std::max(stilus, kell));
}

void ListaNezet::changeEvent(QEvent* e) {
  QTableView::changeEvent(e);
  if (e->type() == QEvent::FontChange || e->type() == QEvent::StyleChange) sorMagassag();
}

void ListaNezet::keyPressEvent(QKeyEvent* e) {
  const QPersistentModelIndex elotte = currentIndex();
  const QItemSelection kijelolve = selectionModel() ? selectionModel()->selection() : QItemSelection();
  QTableView::keyPressEvent(e);
  const bool mas = currentIndex() != elotte || (selectionModel() && selectionModel()->selection() != kijelolve);
  if (mas && valtozott) valtozott();
}

QModelIndex ListaNezet::moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) {
  const QModelIndex most = currentIndex();
  switch (cursorAction) {
    case MoveHome:
    case MoveEnd: {
      if (!model() || model()->rowCount() == 0) return most;
      const int sor = cursorAction == MoveHome ? 0 : model()->rowCount() - 1;
      return model()->index(sor, most.isValid() ? most.column() : 0);
    }
    case MoveLeft:
    case MoveRight: {
      QScrollBar* s = horizontalScrollBar();
      s->setValue(s->value() + (cursorAction == MoveLeft ? -s->singleStep() : s->singleStep()));
      return most;
    }
    default:
      return QTableView::moveCursor(cursorAction, modifiers);
  }
}

void ListaNezet::paintEvent(QPaintEvent* event) {
  QTableView::paintEvent(event);
  const QModelIndex most = currentIndex();
  if (!most.isValid() || !hasFocus()) return;
  QStyleOptionFocusRect o;
  o.initFrom(this);
  o.state |= QStyle::State_KeyboardFocusChange;
  o.backgroundColor = palette().color(selectionModel()->isSelected(most) ? QPalette::Highlight : QPalette::Base);
  o.rect = QRect(-horizontalHeader()->offset(), rowViewportPosition(most.row()), horizontalHeader()->length(), rowHeight(most.row()));
  QPainter p(viewport());
  style()->drawPrimitive(QStyle::PE_FrameFocusRect, &o, &p, this);
}
