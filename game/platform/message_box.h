#pragma once
// The game's platform message boxes: its start-up questions and failure messages.
#include <string>

namespace brolt {

enum class MessageIcon { None, Information, Warning, Error };

// Waits for OK. Where no box can be shown the message goes to standard error instead.
void ShowMessage(const std::string& title, const std::string& text, MessageIcon icon);

// Yes and No buttons; true for Yes. Where no box can be shown the answer is No.
bool AskYesNo(const std::string& title, const std::string& text);

}  // namespace brolt
