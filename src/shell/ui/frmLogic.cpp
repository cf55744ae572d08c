#include "shell/ui/frmLogic.h"

#include <QCloseEvent>
#include <QEvent>
#include <QKeyEvent>
#include <QListWidget>
#include <QPointer>

#include "toolkit/ui/basFormLook.h"

using basFormLook::Px;

namespace {

QPointer<frmLogic>& Loaded() {
  static QPointer<frmLogic> window;
  return window;
}

}  // namespace

frmLogic* frmLogic::Instance() { return Loaded().data(); }

frmLogic* frmLogic::Load(QWidget* owner) {
  if (Loaded().isNull()) Loaded() = new frmLogic(owner);
  return Loaded().data();
}

void frmLogic::Unload() {
  if (Loaded().isNull()) return;
  delete Loaded().data();
}

// A tool window of its owner: a window manager keeps it above the main
// window, which a click would otherwise raise over it.
frmLogic::frmLogic(QWidget* owner) : QWidget(owner, Qt::Tool), lstLogic_(new QListWidget(this)) {
  setAttribute(Qt::WA_DeleteOnClose);
  basFormLook::Apply(this, "Arial");
  setWindowTitle(QStringLiteral("Draft Logic"));
  basFormLook::UseOwnerIcon(this, owner);
  // The trace lines up in columns.
  lstLogic_->setFont(basFormLook::FormFont("Lucida Console"));
  lstLogic_->setSelectionMode(QAbstractItemView::SingleSelection);
  resize(Px(9000), Px(6000));
  Form_Resize();
}

frmLogic::~frmLogic() = default;

void frmLogic::ShowLogic() {
  // Centred over the main window when it comes up, as every other window;
  // showing it again leaves it where the user put it.
  if (!isVisible()) basFormLook::CentreOver(this, parentWidget());
  show();
  raise();
  activateWindow();
}

void frmLogic::keyPressEvent(QKeyEvent* event) {
  // Without a window manager's close box, Escape is the way out.
  if (event->key() == Qt::Key_Escape) {
    close();
    return;
  }
  QWidget::keyPressEvent(event);
}

void frmLogic::Form_Resize() {
  if (isMinimized()) return;
  const QSize client = size();
  lstLogic_->setGeometry(Px(60), Px(60), client.width() - Px(120), client.height());
}

void frmLogic::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  Form_Resize();
}

void frmLogic::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  // Restoring from the task bar may keep the size and send no resize.
  if (event->type() == QEvent::WindowStateChange) Form_Resize();
}

void frmLogic::closeEvent(QCloseEvent* event) {
  QWidget::closeEvent(event);
  if (event->isAccepted() && Loaded().data() == this) Loaded().clear();
}
