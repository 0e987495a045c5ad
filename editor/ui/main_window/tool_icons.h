#pragma once
// The pictures of the tool bar's and tool panel's buttons, from Graphics/Icons in the program
// folder. A button whose picture is missing shows its caption instead.
#include <QIcon>
#include <string_view>

class QAbstractButton;

namespace brolt::editor {

struct Editor;

constexpr int kIconPixels = 20;

// Sets the button's picture "Graphics/Icons/<name>.png", or its caption when there is none.
void SetButtonPicture(const Editor& editor, QAbstractButton& button, std::string_view name, const QString& caption);

}  // namespace brolt::editor
