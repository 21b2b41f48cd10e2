#pragma once

#include <string>
#include <vector>

#include "storage/Records.h"

namespace tavelo {

// Shows a message to the user and waits until it is dismissed; the window supplies it.
class IMessageBox {
public:
    virtual ~IMessageBox() = default;
    virtual void ShowMessage(const std::string& text) = 0;
};

// Reads the parameter rows matching the where fragment (UTF-8). When the database file cannot be
// opened for reading it is created first, with its tables, and the result is empty.
std::vector<CParameterRecord> LoadParameters(const std::string& where, IMessageBox& messages);

// Stores the window's left and top as the row "pos".
void SaveWindowPosition(double left, double top);

}  // namespace tavelo
