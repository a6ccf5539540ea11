// The "确定" / "取消" row of the settings dialogs: "确定" is the default button (Enter),
// "取消" and the close button cancel.
#pragma once

class QDialog;
class QWidget;

namespace pictavo {

QWidget* okCancelButtons(QDialog* dialog);

}  // namespace pictavo
