#pragma once

// The kinds of the page files that add and update a record: a form's and a master-detail page's.
inline constexpr int formAddFileKind = 5;
inline constexpr int formUpdateFileKind = 7;
inline constexpr int transactionAddFileKind = 1;
inline constexpr int transactionUpdateFileKind = 3;
