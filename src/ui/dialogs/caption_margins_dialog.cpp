#include "ui/dialogs/caption_margins_dialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/session.h"
#include "app/user_prompts.h"
#include "project/stored_preferences.h"
#include "ui/dialogs/dialog_buttons.h"

namespace pictavo {
namespace {

constexpr int kReadChars = 7;
constexpr double kDefaults[] = {15.0, 6.0, 6.0, 6.0, 6.0};

struct FieldTexts {
  const char* label;
  const char* empty;
  const char* notNumber;
  const char* outOfRange;
};

const FieldTexts kTexts[] = {
    {"下边距：", "请输入【加文字】 位置：【中间下方】的【下边距】",
     "输入的【加文字】 位置：【中间下方】的【下边距】有误！\n\n请输入一个数值, 支持小数。",
     "输入的【加文字】 位置：【中间下方】的下边距有误！\n\n请输入一个 0.01 ～ 49.99 范围内的值, 支持小数。"},
    {"左边距：", "请输入【左边距】", "输入的【左边距】有误！\n\n 请输入一个数值, 支持小数。",
     "输入的【左边距】有误！\n\n请输入一个 0.01 ～ 49.99 范围内的值, 支持小数。"},
    {"右边距：", "请输入【右边距】", "输入的【右边距】有误！\n\n请输入一个数值, 支持小数。",
     "输入的【右边距】有误！\n\n请输入一个 0.01 ～ 49.99 范围内的值, 支持小数。"},
    {"上边距：", "请输入【上边距】", "输入的【上边距】有误！\n\n请输入一个数值, 支持小数。",
     "输入的【上边距】有误！\n\n请输入一个 0.01 ～ 49.99 范围内的值, 支持小数。"},
    {"下边距：", "请输入【下边距】", "输入的【下边距】有误！\n\n请输入一个数值, 支持小数。",
     "输入的【下边距】有误！\n\n请输入一个 0.01 ～ 49.99 范围内的值, 支持小数。"},
};

// An optional "-", a digit, then digits with at most one ".": "5." passes, ".5" does not.
bool isMarginNumber(const QString& text) {
  int at = text.startsWith(QLatin1Char('-')) ? 1 : 0;
  auto digit = [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); };
  if (at >= text.size() || !digit(text.at(at))) return false;
  int points = 0;
  for (int i = at + 1; i < text.size(); ++i) {
    QChar c = text.at(i);
    if (c == QLatin1Char('.')) ++points;
    else if (!digit(c)) return false;
  }
  return points <= 1;
}

QString percentText(float fraction) { return QString::asprintf("%0.2f", fraction * 100.0); }

}  // namespace

CaptionMarginsDialog::CaptionMarginsDialog(Session& session, UserPrompts& prompts, QWidget* parent)
    : QDialog(parent), session_(session), prompts_(prompts) {
  setWindowTitle(tr("【加文字】边距设置"));
  setModal(true);
  for (int f = 0; f < FieldCount; ++f) {
    auto* edit = new QLineEdit(this);
    edit->setAlignment(Qt::AlignCenter);
    edit->setMaxLength(kReadChars);
    edit->setAccessibleName(tr(kTexts[f].label));
    edit->setObjectName(QStringLiteral("margin%1").arg(f));
    fields_[f] = edit;
  }
  auto* defaults = new QPushButton(tr("全部使用默认值"), this);
  defaults->setAccessibleName(defaults->text());
  connect(defaults, &QPushButton::clicked, this, &CaptionMarginsDialog::fillDefaults);

  auto* grid = new QGridLayout(this);
  auto label = [this](const QString& text) { return new QLabel(text, this); };
  grid->addWidget(label(tr("说明：边距的值以视频的宽度与高度做为参照依据。")), 0, 0, 1, 4);
  grid->addWidget(label(tr("【加文字】 位置：【中间下方】的下边距设置")), 1, 0, 1, 4);
  grid->addWidget(label(tr(kTexts[CentreBottom].label)), 2, 0);
  grid->addWidget(fields_[CentreBottom], 2, 1);
  grid->addWidget(label(tr("% (视频高度的百分比)")), 2, 2);
  grid->addWidget(defaults, 2, 3);
  grid->addWidget(label(tr("【加文字】 位置：左上角、左下角、右上角、右下角的边距设置")), 3, 0, 1, 4);
  for (int f = Left; f < FieldCount; ++f) {
    grid->addWidget(label(tr(kTexts[f].label)), 3 + f, 0);
    grid->addWidget(fields_[f], 3 + f, 1);
    grid->addWidget(label(QStringLiteral("%")), 3 + f, 2);
  }
  grid->addWidget(okCancelButtons(this), 3 + FieldCount, 0, 1, 4);
}

void CaptionMarginsDialog::prepare() {
  const CaptionMargins& m = session_.preferences().margins;
  const float values[] = {m.centreBottom, m.left, m.right, m.top, m.bottom};
  for (int f = 0; f < FieldCount; ++f) fields_[f]->setText(percentText(values[f]));
  fields_[CentreBottom]->setFocus();
}

void CaptionMarginsDialog::run() {
  prepare();
  exec();
}

void CaptionMarginsDialog::fillDefaults() {
  for (int f = 0; f < FieldCount; ++f) fields_[f]->setText(QString::asprintf("%0.2f", kDefaults[f]));
}

// Every field must be present and a number before any range is checked.
QString CaptionMarginsDialog::firstProblem(Field* failed,
                                           std::array<double, FieldCount>* percents) const {
  QString texts[FieldCount];
  for (int f = 0; f < FieldCount; ++f) {
    texts[f] = fields_[f]->text().left(kReadChars).trimmed();
    *failed = static_cast<Field>(f);
    if (texts[f].isEmpty()) return tr(kTexts[f].empty);
    if (!isMarginNumber(texts[f])) return tr(kTexts[f].notNumber);
  }
  for (int f = 0; f < FieldCount; ++f) {
    (*percents)[f] = texts[f].toDouble();
    *failed = static_cast<Field>(f);
    if (!((*percents)[f] > 0 && (*percents)[f] < 50)) return tr(kTexts[f].outOfRange);
  }
  return QString();
}

void CaptionMarginsDialog::accept() {
  Field failed = CentreBottom;
  std::array<double, FieldCount> p{};
  QString problem = firstProblem(&failed, &p);
  if (!problem.isEmpty()) {
    prompts_.message(this, QMessageBox::Warning, tr("提示"), problem);
    fields_[failed]->setFocus();
    return;
  }
  CaptionMargins margins;
  margins.centreBottom = marginFromPercent(p[CentreBottom]);
  margins.left = marginFromPercent(p[Left]);
  margins.right = marginFromPercent(p[Right]);
  margins.top = marginFromPercent(p[Top]);
  margins.bottom = marginFromPercent(p[Bottom]);
  setCaptionMargins(session_.preferences(), session_.store(), margins);
  QDialog::accept();
}

}  // namespace pictavo

