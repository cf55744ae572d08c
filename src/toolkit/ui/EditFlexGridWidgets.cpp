#include "toolkit/ui/EditFlexGridWidgets.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>

#include "platform/flexgrid/widget/FlexGridImagePicture.h"
#include "platform/flexgrid/widget/FlexGridLayout.h"
#include "platform/flexgrid/widget/FlexGridWidget.h"
#include "platform/gdi/MemoryDC.h"
#include "platform/gdi/VirtualKey.h"
#include "platform/runtime/Rounding.h"
#include "toolkit/clsEditFlexGrid.h"
#include "toolkit/ui/PictureBox.h"
#include "toolkit/ui/basBitmapResource.h"
#include "toolkit/ui/basDrawArrow.h"

namespace {

constexpr int32_t kTwips = runtime::kTwipsPerPixel;

// Pixels from the cell area's edge to the start of row (column) `index`,
// counting the fixed ones and then the scrollable ones from `first`; cells
// scrolled off lie before the fixed part.
template <typename SizeOf>
int32_t Offset(int32_t index, int32_t fixed, int32_t first, SizeOf sizeOf) {
  int32_t pos = 0;
  for (int32_t i = 0; i < std::min(index, fixed); ++i) pos += sizeOf(i);
  if (index < fixed) return pos;
  if (index >= first) {
    for (int32_t i = first; i < index; ++i) pos += sizeOf(i);
  } else {
    for (int32_t i = index; i < first; ++i) pos -= sizeOf(i);
  }
  return pos;
}

QRect ToPixels(const EditFlexRect& r) {
  return QRect(runtime::TwipsToPixels(r.Left), runtime::TwipsToPixels(r.Top), runtime::TwipsToPixels(r.Width),
               runtime::TwipsToPixels(r.Height));
}

EditFlexRect ToTwips(const QRect& r) { return {r.x() * kTwips, r.y() * kTwips, r.width() * kTwips, r.height() * kTwips}; }

QColor ToQColor(int32_t colour) { return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF); }

bool TrySetFocus(QWidget* w) {
  if (w == nullptr || w->isHidden() || !w->isEnabled()) return false;
  w->setFocus(Qt::OtherFocusReason);
  return true;
}

}  // namespace

// ---- The grid

class EditFlexGridWidgets::GridPart final : public EditFlexGridView {
 public:
  explicit GridPart(FlexGridWidget* grid) : grid_(grid) {}
  ~GridPart() override {
    if (editor_ != nullptr) editor_->Forget(this);
  }

  void SetEditor(clsEditFlexGrid* editor) override { editor_ = editor; }
  clsEditFlexGrid* Editor() const { return editor_; }
  FlexGridWidget* Widget() const { return grid_; }

  FlexGridModel& Model() override { return grid_->Model(); }

  EditFlexRect CellRect(int32_t row, int32_t col) const override {
    const FlexGridModel& m = grid_->Model();
    const QRect area = grid_->CellArea();
    const int32_t x = Offset(col, m.FixedCols(), m.LeftCol(), [&m](int32_t c) { return FlexGridLayout::ColPixels(m, c); });
    const int32_t y = Offset(row, m.FixedRows(), m.TopRow(), [&m](int32_t r) { return FlexGridLayout::RowPixels(m, r); });
    const QPoint topLeft = grid_->mapToParent(area.topLeft() + QPoint(x, y));
    return ToTwips(QRect(topLeft, QSize(FlexGridLayout::ColPixels(m, col), FlexGridLayout::RowPixels(m, row))));
  }

  bool RowFullyVisible(int32_t row) const override {
    return row >= grid_->Model().TopRow() && grid_->Layout().RowFullyVisible(row);
  }
  bool ColFullyVisible(int32_t col) const override {
    return col >= grid_->Model().LeftCol() && grid_->Layout().ColFullyVisible(col);
  }
  int32_t MouseRow() const override { return grid_->MouseRow(); }
  int32_t MouseCol() const override { return grid_->MouseCol(); }
  bool SetFocus() override { return TrySetFocus(grid_); }

 private:
  FlexGridWidget* grid_;
  clsEditFlexGrid* editor_ = nullptr;
};

// ---- What the editor controls share

namespace {

template <class Interface, class Widget>
class ControlPart : public Interface {
 public:
  ControlPart(Widget* widget, FlexGridWidget* grid) : widget_(widget), grid_(grid) {}
  ~ControlPart() override {
    if (editor_ != nullptr) editor_->Forget(this);
  }

  void SetEditor(clsEditFlexGrid* editor) override { editor_ = editor; }
  clsEditFlexGrid* Editor() const { return editor_; }
  Widget* W() const { return widget_; }

  bool Visible() const override { return !widget_->isHidden(); }
  void SetVisible(bool visible) override {
    widget_->setVisible(visible);
    if (visible) widget_->raise();
  }
  EditFlexRect Geometry() const override {
    return ToTwips(QRect(ToGridContainer(widget_->pos()), widget_->size()));
  }
  void SetGeometry(const EditFlexRect& rect) override {
    const QRect r = ToPixels(rect);
    widget_->setGeometry(QRect(FromGridContainer(r.topLeft()), r.size()));
  }
  bool SetFocus() override { return TrySetFocus(widget_); }

 protected:
  // The editor places controls in the grid's container; a control may sit
  // in another parent.
  QPoint FromGridContainer(QPoint p) const {
    QWidget* from = grid_->parentWidget();
    QWidget* to = widget_->parentWidget();
    if (from == to) return p;
    const QPoint global = from ? from->mapToGlobal(p) : p;
    return to ? to->mapFromGlobal(global) : global;
  }
  QPoint ToGridContainer(QPoint p) const {
    QWidget* from = widget_->parentWidget();
    QWidget* to = grid_->parentWidget();
    if (from == to) return p;
    const QPoint global = from ? from->mapToGlobal(p) : p;
    return to ? to->mapFromGlobal(global) : global;
  }
  void TakeGridFont() { widget_->setFont(gdi::ToQFont(grid_->GridFont())); }

  Widget* widget_;
  FlexGridWidget* grid_;
  clsEditFlexGrid* editor_ = nullptr;
};

}  // namespace

// ---- The text editor

class EditFlexGridWidgets::TextPart final : public ControlPart<EditFlexTextBox, QLineEdit> {
 public:
  using ControlPart::ControlPart;

  void SetGeometry(const EditFlexRect& rect) override {
    TakeGridFont();
    ControlPart::SetGeometry(rect);
  }
  std::string Text() const override { return widget_->text().toStdString(); }
  void SetText(const std::string& text) override { widget_->setText(QString::fromStdString(text)); }
  int32_t TextLength() const override { return static_cast<int32_t>(widget_->text().length()); }
  int32_t SelStart() const override {
    return widget_->hasSelectedText() ? widget_->selectionStart() : widget_->cursorPosition();
  }
  int32_t SelLength() const override { return static_cast<int32_t>(widget_->selectedText().length()); }
  void SetSelection(int32_t start, int32_t length) override { widget_->setSelection(start, length); }
  int16_t Alignment() const override {
    const Qt::Alignment a = widget_->alignment();
    if (a & Qt::AlignRight) return 1;
    if (a & Qt::AlignHCenter) return 2;
    return 0;
  }
  void SetAlignment(int16_t alignment) override {
    const Qt::Alignment h = alignment == 1 ? Qt::AlignRight : alignment == 2 ? Qt::AlignHCenter : Qt::AlignLeft;
    widget_->setAlignment(h | Qt::AlignVCenter);
  }
  void SetBackColor(int32_t colour) override {
    QPalette p = widget_->palette();
    p.setColor(QPalette::Base, ToQColor(colour));
    widget_->setPalette(p);
  }
  int16_t BorderStyle() const override { return widget_->hasFrame() ? 1 : 0; }
};

// ---- The combo editor

class EditFlexGridWidgets::ComboPart final : public ControlPart<EditFlexComboBox, QComboBox> {
 public:
  using ControlPart::ControlPart;

  void SetVisible(bool visible) override {
    if (!visible) widget_->hidePopup();
    ControlPart::SetVisible(visible);
  }
  void SetGeometry(const EditFlexRect& rect) override {
    TakeGridFont();
    ControlPart::SetGeometry(rect);
  }
  void Clear() override { widget_->clear(); }
  void AddItem(const std::string& text) override { widget_->addItem(QString::fromStdString(text)); }
  int32_t ListCount() const override { return widget_->count(); }
  std::string List(int32_t index) const override { return widget_->itemText(index).toStdString(); }
  int32_t ListIndex() const override { return widget_->currentIndex(); }
  void SetListIndex(int32_t index) override { widget_->setCurrentIndex(index); }
  int32_t ItemData(int32_t index) const override { return widget_->itemData(index).toInt(); }
  void SetItemData(int32_t index, int32_t data) override { widget_->setItemData(index, data); }
  bool DroppedDown() const override { return widget_->view()->isVisible(); }
  void ShowDropDown() override { widget_->showPopup(); }
  void SetSelectionFieldHeight(int32_t pixels) override { widget_->setFixedHeight(pixels); }
};

// ---- The lists

class EditFlexGridWidgets::ListPart final : public ControlPart<EditFlexListBox, QListWidget> {
 public:
  ListPart(QListWidget* list, FlexGridWidget* grid) : ControlPart(list, grid) {
    // A list of several choices moves its current row before it turns the
    // item's selection: it tells of the click once the selection has turned.
    QObject::connect(list, &QListWidget::currentRowChanged, list, [this] {
      if (MultiSelect() == 0) Clicked();
    });
    QObject::connect(list, &QListWidget::itemSelectionChanged, list, [this] {
      if (MultiSelect() != 0) Clicked();
    });
    QObject::connect(list, &QListWidget::itemChanged, list, [this] { Clicked(); });
  }

  void Clear() override {
    ByCode guard(this);
    widget_->clear();
  }
  void AddItem(const std::string& text) override {
    ByCode guard(this);
    auto* item = new QListWidgetItem(QString::fromStdString(text), widget_);
    if (style_ == 1) {
      item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
      item->setCheckState(Qt::Unchecked);
    }
  }
  int32_t ListCount() const override { return widget_->count(); }
  std::string List(int32_t index) const override {
    const QListWidgetItem* item = widget_->item(index);
    return item ? item->text().toStdString() : std::string();
  }
  int32_t ListIndex() const override {
    if (MultiSelect() != 0 || style_ == 1) return widget_->currentRow();
    const QList<QListWidgetItem*> selected = widget_->selectedItems();
    return selected.isEmpty() ? -1 : widget_->row(selected.front());
  }
  void SetListIndex(int32_t index) override {
    ByCode guard(this);
    if (index < 0 || index >= widget_->count()) {
      widget_->clearSelection();
      widget_->setCurrentIndex(QModelIndex());
      return;
    }
    if (MultiSelect() != 0) {
      widget_->setCurrentRow(index, QItemSelectionModel::NoUpdate);
    } else {
      widget_->setCurrentRow(index);
    }
  }
  int32_t ItemData(int32_t index) const override {
    const QListWidgetItem* item = widget_->item(index);
    return item ? item->data(Qt::UserRole).toInt() : 0;
  }
  void SetItemData(int32_t index, int32_t data) override {
    ByCode guard(this);
    if (QListWidgetItem* item = widget_->item(index)) item->setData(Qt::UserRole, data);
  }
  int16_t MultiSelect() const override {
    switch (widget_->selectionMode()) {
      case QAbstractItemView::MultiSelection:
        return 1;
      case QAbstractItemView::ExtendedSelection:
      case QAbstractItemView::ContiguousSelection:
        return 2;
      default:
        return 0;
    }
  }
  int16_t Style() const override { return style_; }
  void SetStyle(int16_t style) override {
    ByCode guard(this);
    style_ = style == 1 ? 1 : 0;
    for (int i = 0; i < widget_->count(); ++i) {
      QListWidgetItem* item = widget_->item(i);
      if (style_ == 1) {
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
      } else {
        item->setFlags(item->flags() & ~Qt::ItemIsUserCheckable);
        item->setData(Qt::CheckStateRole, QVariant());
      }
    }
  }
  bool Selected(int32_t index) const override {
    const QListWidgetItem* item = widget_->item(index);
    if (item == nullptr) return false;
    return style_ == 1 ? item->checkState() == Qt::Checked : item->isSelected();
  }
  void SetSelected(int32_t index, bool selected) override {
    ByCode guard(this);
    QListWidgetItem* item = widget_->item(index);
    if (item == nullptr) return;
    if (style_ == 1) {
      item->setCheckState(selected ? Qt::Checked : Qt::Unchecked);
    } else {
      item->setSelected(selected);
    }
  }

 private:
  struct ByCode {
    explicit ByCode(ListPart* p) : part(p) { ++part->byCode_; }
    ~ByCode() { --part->byCode_; }
    ListPart* part;
  };
  void Clicked() {
    if (byCode_ == 0 && Click) {
      const auto handler = Click;
      handler();
    }
  }

  int16_t style_ = 0;
  int byCode_ = 0;
};

// ---- The binding

EditFlexGridWidgets::EditFlexGridWidgets(FlexGridWidget* grid, QLineEdit* text, QComboBox* combo,
                                         QListWidget* normList, QListWidget* multiList) {
  grid_ = std::make_unique<GridPart>(grid);
  grid->installEventFilter(this);
  // A widget that goes first takes its part with it (the grid all of them).
  // (Each part leaves the editor as it is destroyed.)
  connect(grid, &QObject::destroyed, this, [this] {
    text_.reset();
    combo_.reset();
    normList_.reset();
    multiList_.reset();
    grid_.reset();
  });
  auto editor = [this] { return grid_ ? grid_->Editor() : nullptr; };
  connect(grid, &FlexGridWidget::GotFocus, this, [editor] {
    if (auto* e = editor()) e->GridGotFocus();
  });
  connect(grid, &FlexGridWidget::Click, this, [editor] {
    if (auto* e = editor()) e->GridClick();
  });
  connect(grid, &FlexGridWidget::EnterCell, this, [editor] {
    if (auto* e = editor()) e->GridEnterCell();
  });
  connect(grid, &FlexGridWidget::LeaveCell, this, [editor] {
    if (auto* e = editor()) e->GridLeaveCell();
  });
  connect(grid, &FlexGridWidget::Scroll, this, [editor] {
    if (auto* e = editor()) e->GridScroll();
  });
  connect(grid, &FlexGridWidget::KeyDown, this, [editor](int16_t& code, int16_t shift) {
    if (auto* e = editor()) e->GridKeyDown(code, shift);
  });
  if (text != nullptr) {
    text_ = std::make_unique<TextPart>(text, grid);
    text->installEventFilter(this);
    connect(text, &QObject::destroyed, this, [this] { text_.reset(); });
  }
  if (combo != nullptr) {
    combo_ = std::make_unique<ComboPart>(combo, grid);
    // After the combo's own filter on its drop-down, so this one runs first.
    comboView_ = combo->view();
    comboView_->installEventFilter(this);
    combo->installEventFilter(this);
    connect(combo, &QObject::destroyed, this, [this] { combo_.reset(); });
    connect(combo, &QComboBox::activated, this, [this] {
      if (combo_ && combo_->Editor()) combo_->Editor()->ControlClick(combo_.get());
    });
  }
  if (normList != nullptr) {
    normList_ = std::make_unique<ListPart>(normList, grid);
    normList->installEventFilter(this);
    normList->viewport()->installEventFilter(this);
    connect(normList, &QObject::destroyed, this, [this] { normList_.reset(); });
  }
  if (multiList != nullptr) {
    multiList_ = std::make_unique<ListPart>(multiList, grid);
    multiList->installEventFilter(this);
    multiList->viewport()->installEventFilter(this);
    connect(multiList, &QObject::destroyed, this, [this] { multiList_.reset(); });
  }
}

EditFlexGridWidgets::~EditFlexGridWidgets() = default;

EditFlexGridView* EditFlexGridWidgets::Grid() { return grid_.get(); }
EditFlexTextBox* EditFlexGridWidgets::TextBox() { return text_.get(); }
EditFlexComboBox* EditFlexGridWidgets::ComboBox() { return combo_.get(); }
EditFlexListBox* EditFlexGridWidgets::NormListBox() { return normList_.get(); }
EditFlexListBox* EditFlexGridWidgets::MultiListBox() { return multiList_.get(); }

void EditFlexGridWidgets::AttachTo(clsEditFlexGrid& editor) {
  editor.SetFlexgrid(grid_.get());
  editor.SetTextBox(text_.get());
  editor.SetComboBox(combo_.get());
  editor.SetNormListBox(normList_.get());
  editor.SetMultiListBox(multiList_.get());
}

bool EditFlexGridWidgets::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  QPointer<EditFlexGridWidgets> self(this);

  if (grid_ && watched == grid_->Widget()) {
    // The open editor follows its cell when the grid moves or changes size.
    if ((type == QEvent::Resize || type == QEvent::Move) && grid_->Editor() != nullptr) grid_->Editor()->GridScroll();
    return false;
  }

  auto forwardKey = [&](EditFlexControl* part, clsEditFlexGrid* editor, bool down) {
    auto* key = static_cast<QKeyEvent*>(event);
    int16_t code = gdi::VirtualKeyFromQt(key->key());
    const int16_t shift = gdi::ShiftMaskFromQt(key->modifiers());
    if (code == 0 || editor == nullptr) return false;
    if (down) {
      editor->ControlKeyDown(part, code, shift);
    } else {
      editor->ControlKeyUp(part, code, shift);
    }
    return !self || code == 0;
  };
  const bool keyDown = type == QEvent::KeyPress;
  const bool keyUp = type == QEvent::KeyRelease;

  if (text_ && watched == text_->W() && keyDown) return forwardKey(text_.get(), text_->Editor(), true);
  if (combo_ && watched == combo_->W() && (keyDown || keyUp)) {
    return forwardKey(combo_.get(), combo_->Editor(), keyDown);
  }
  if (combo_ && comboView_ != nullptr && watched == comboView_ && keyDown) {
    // The drop-down moves and chooses by itself; Escape closes the combo.
    if (static_cast<QKeyEvent*>(event)->key() != Qt::Key_Escape) return false;
    return forwardKey(combo_.get(), combo_->Editor(), true);
  }
  for (ListPart* list : {normList_.get(), multiList_.get()}) {
    if (list == nullptr) continue;
    if (watched == list->W() && keyDown) return forwardKey(list, list->Editor(), true);
    if (watched == list->W()->viewport() && type == QEvent::MouseButtonRelease && list->Editor() != nullptr) {
      list->Editor()->ControlMouseUp(list);
      return false;
    }
  }
  return false;
}

// ---- Cell pictures

namespace {

std::shared_ptr<const FlexGridPicture> DrawDropArrow(bool hover) {
  constexpr int32_t kSize = 15;
  const gdi::COLORREF key = basBitmapResource::kKeyMagenta;
  gdi::MemoryDC dc(kSize, kSize, key);
  if (hover) {
    dc.FillRect({1, 1, kSize - 1, kSize - 1}, gdi::Rgb(236, 233, 216));
    dc.FillRect({1, 1, kSize - 1, 2}, gdi::kWhite);
    dc.FillRect({1, 1, 2, kSize - 1}, gdi::kWhite);
    dc.FillRect({1, kSize - 2, kSize - 1, kSize - 1}, gdi::Rgb(113, 111, 100));
    dc.FillRect({kSize - 2, 1, kSize - 1, kSize - 1}, gdi::Rgb(113, 111, 100));
  }
  const gdi::COLORREF ink = hover ? gdi::kBlack : gdi::Rgb(96, 96, 96);
  basDrawArrow::FillPolygon(dc, ink, {{4, 6}, {10, 6}, {7, 9}});
  return std::make_shared<FlexGridImagePicture>(basBitmapResource::WithoutKey(dc.Image(), key));
}

}  // namespace

std::shared_ptr<const FlexGridPicture> EditFlexGridWidgets::DropArrowPicture(bool hover) {
  static const auto normal = DrawDropArrow(false);
  static const auto hovered = DrawDropArrow(true);
  return hover ? hovered : normal;
}

std::shared_ptr<const FlexGridPicture> EditFlexGridWidgets::CellPictureOf(PictureBox* picture) {
  if (picture == nullptr) return nullptr;
  return std::make_shared<FlexGridImagePicture>(picture->hDC().Image());
}
