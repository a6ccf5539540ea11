#include "ui/information_window.h"

#include <QCloseEvent>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QVBoxLayout>

#include "app/qt_text.h"
#include "ui/main_window.h"
#include "util/info_log.h"

namespace pictavo {

InformationWindow::InformationWindow(QWidget* owner)
    : QWidget(owner, Qt::Tool), log_(new QPlainTextEdit(this)) {
  setWindowTitle(tr("信息 - F2"));
  setAttribute(Qt::WA_ShowWithoutActivating);
  resize(530, 168);
  log_->setAccessibleName(windowTitle());
  log_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  QPalette colours = log_->palette();
  colours.setColor(QPalette::Base, Qt::black);
  colours.setColor(QPalette::Text, QColor(0x00, 0xff, 0x00));
  log_->setPalette(colours);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(log_);
}

InformationWindow::~InformationWindow() {
  if (isCoreSink_) setInfoSink(nullptr);
}

void InformationWindow::addMessage(const QString& text) {
  QString lines = text;
  lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  log_->moveCursor(QTextCursor::End);
  log_->insertPlainText(lines + QStringLiteral("\n\n"));
  log_->verticalScrollBar()->setValue(log_->verticalScrollBar()->maximum());
  if (isHidden()) show();
}

void InformationWindow::toggle() { setVisible(isHidden()); }

QString InformationWindow::text() const { return log_->toPlainText(); }

void InformationWindow::takeCoreMessages() {
  isCoreSink_ = true;
  // The sink runs under the log's lock on the thread that logs and only queues the message;
  // the destructor removes it under that lock, and Qt drops calls queued for a window that
  // is gone.
  setInfoSink([this](const std::string& gbkText) {
    QString text = fromCore(gbkText);
    QMetaObject::invokeMethod(this, [this, text] { addMessage(text); }, Qt::QueuedConnection);
  });
}

void InformationWindow::closeEvent(QCloseEvent* event) {
  event->ignore();
  hide();
}

InformationWindow* attachInformationWindow(MainWindow& window) {
  auto* information = new InformationWindow(&window);
  QObject::connect(&window, &MainWindow::informationWindowToggleRequested, information,
                   &InformationWindow::toggle);
  information->takeCoreMessages();
  return information;
}

}  // namespace pictavo
