#pragma once

#include "platform/core/Types.h"

#include <memory>
#include <string>

class QMessageBox;
class QWidget;

// The message box of AfxMessageBox on Qt: the button set, icon and default button of type,
// titled with the application's name. Each button answers its id (IDOK, IDYES, ...).
std::unique_ptr<QMessageBox> CreateMessageBox(const std::string& text, UINT type,
                                              QWidget* parent = nullptr);
// The answer of the button clicked; the default button's when none was.
int MessageBoxAnswer(const QMessageBox& box, UINT type);
// Shows the box modally over the active window and returns the answer.
int ShowQtMessageBox(const std::string& text, UINT type, UINT helpId);
// Makes ShowQtMessageBox the handler of AfxMessageBox.
void InstallQtMessageBoxHandler();
