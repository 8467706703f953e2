#pragma once

class ForgeonProject;
class Table;

// A page of some module calls a function of the table's class: a control's data call or a
// report group's call.
bool IsDataClassCalled(const ForgeonProject& project, const Table& table);
// The project needs the table's data class written and compiled: a login table, a table with
// a page built on it, or one whose class a page calls.
bool NeedsDataClass(const ForgeonProject& project, Table* table);
