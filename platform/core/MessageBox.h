#pragma once

#include "platform/core/Types.h"

#include <functional>
#include <string>

// Button sets.
constexpr UINT MB_OK = 0x0;
constexpr UINT MB_OKCANCEL = 0x1;
constexpr UINT MB_ABORTRETRYIGNORE = 0x2;
constexpr UINT MB_YESNOCANCEL = 0x3;
constexpr UINT MB_YESNO = 0x4;
constexpr UINT MB_RETRYCANCEL = 0x5;

// Icons.
constexpr UINT MB_ICONHAND = 0x10;
constexpr UINT MB_ICONERROR = MB_ICONHAND;
constexpr UINT MB_ICONSTOP = MB_ICONHAND;
constexpr UINT MB_ICONQUESTION = 0x20;
constexpr UINT MB_ICONEXCLAMATION = 0x30;
constexpr UINT MB_ICONWARNING = MB_ICONEXCLAMATION;
constexpr UINT MB_ICONASTERISK = 0x40;
constexpr UINT MB_ICONINFORMATION = MB_ICONASTERISK;

// Default button.
constexpr UINT MB_DEFBUTTON1 = 0x0;
constexpr UINT MB_DEFBUTTON2 = 0x100;
constexpr UINT MB_DEFBUTTON3 = 0x200;

constexpr UINT MB_TYPEMASK = 0xF;
constexpr UINT MB_ICONMASK = 0xF0;
constexpr UINT MB_DEFMASK = 0xF00;

// Answers.
constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
constexpr int IDABORT = 3;
constexpr int IDRETRY = 4;
constexpr int IDIGNORE = 5;
constexpr int IDYES = 6;
constexpr int IDNO = 7;

// Shows a message box and returns the answer (IDOK, IDYES, ...).
using MessageBoxHandler = std::function<int(const std::string& text, UINT type, UINT helpId)>;

// Shows the box through the installed handler.
int AfxMessageBox(const char* text, UINT type = MB_OK, UINT helpId = 0);

// Installs a handler and returns the previous one. An empty handler restores the default,
// which writes the text to stderr and answers the default button.
MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler);

// The answer of the default button of the button set in type, moved to the second or third
// button by MB_DEFBUTTON2/3. A default beyond the set's last button, or an unknown set, gives the
// first button.
int DefaultMessageBoxButton(UINT type);
