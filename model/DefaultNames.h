#pragma once

// Names of the objects that every project starts with.
inline constexpr const char* baseModuleName = "BaseModule";
inline constexpr const char* projectDashboardName = "Project_Dashboard";
inline constexpr const char* roleTableName = "personnel_role";
inline constexpr const char* userAccountTableName = "useraccount";
inline constexpr const char* changePasswordFormName = "ChangePassword_form";
