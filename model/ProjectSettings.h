#pragma once

#include "platform/core/CArchive.h"
#include "platform/core/CObject.h"
#include "platform/core/CString.h"

// The properties of a project outside its modules: output folder, name, database connection
// and the choices that shape the generated pages. The project root owns one and forwards most
// accessors; getters return copies.
class ProjectSettings : public CObject
{
    DECLARE_SERIAL(ProjectSettings)

public:
    ProjectSettings() = default;

    // Fields 1-19 of the record in order; a load reads the later fields by their version gates
    // and leaves the defaults of those the file does not hold.
    void Serialize(CArchive& ar) override;

    CString GetProjectName() const { return m_projectName; }
    void SetProjectName(CString name) { m_projectName = name; }
    CString GetDateFormat() const { return m_dateFormat; }
    void SetDateFormat(CString format) { m_dateFormat = format; }
    CString GetDatabaseName() const { return m_databaseName; }
    void SetDatabaseName(CString name) { m_databaseName = name; }
    CString GetServerName() const { return m_serverName; }
    void SetServerName(CString name) { m_serverName = name; }
    CString GetUserId() const { return m_userId; }
    void SetUserId(CString userId) { m_userId = userId; }
    CString GetPassword() const { return m_password; }
    void SetPassword(CString password) { m_password = password; }
    CString GetConnectionString() const { return m_connectionString; }
    void SetConnectionString(CString connectionString) { m_connectionString = connectionString; }
    CString GetThemeName() const { return m_themeName; }
    void SetThemeName(CString name) { m_themeName = name; }
    CString GetColorSchemeName() const { return m_colorSchemeName; }
    void SetColorSchemeName(CString name) { m_colorSchemeName = name; }
    CString GetMasterPageFile() const { return m_masterPageFile; }
    void SetMasterPageFile(CString file) { m_masterPageFile = file; }
    int GetPageTemplate() const { return m_pageTemplate; }
    void SetPageTemplate(int pageTemplate) { m_pageTemplate = pageTemplate; }
    int GetVisualStudioVersion() const { return m_visualStudioVersion; }
    void SetVisualStudioVersion(int version) { m_visualStudioVersion = version; }

    // The output folder, ending with a backslash once set through SetProjectPath.
    CString GetProjectPath() const { return m_projectPath; }
    // Appends a missing backslash, keeps the path and creates its folders, then the folder of
    // the project name inside it and the one of the project name inside that. Folders that
    // cannot be made are not reported.
    void SetProjectPath(CString path);
    // Creates every missing folder of the project path, relative paths included.
    void CreateProjectPathFolders();

    // The project file opened or saved last; not stored.
    CString GetProjectFilePath() const { return m_projectFilePath; }
    void SetProjectFilePath(CString path) { m_projectFilePath = path; }
    // 1 SQL Server, 0 PostgreSQL.
    int GetDatabaseKind() const { return m_databaseKind; }
    void SetDatabaseKind(int kind) { m_databaseKind = kind; }
    // 1 the connection string is built ("Auto"), 0 it is typed ("Manual").
    int GetConnectionStringMode() const { return m_connectionStringMode; }
    void SetConnectionStringMode(int mode) { m_connectionStringMode = mode; }
    // Non-zero: user id and password are used; 0: Windows authentication.
    int GetSqlServerAuthentication() const { return m_sqlServerAuthentication; }
    void SetSqlServerAuthentication(int authentication)
    {
        m_sqlServerAuthentication = authentication;
    }
    // 0 "SQL Server", 1 "SQL Express".
    int GetDatabaseServerEdition() const { return m_databaseServerEdition; }
    void SetDatabaseServerEdition(int edition) { m_databaseServerEdition = edition; }
    // Whether generated pages ask before adding, updating or deleting.
    bool GetConfirmations() const { return m_confirmations; }
    void SetConfirmations(bool confirmations) { m_confirmations = confirmations; }

    // The page template file in the program's folder by page template: below 3 Template1.aspx,
    // 3 to 5 Template2.aspx, from 6 on the program's folder alone.
    CString GetTemplatePath() const;
    // The classic page template of the program folder, whatever the page-template setting.
    static CString GetClassicTemplatePath();

    // "9.0.0.0" for Visual Studio version 3, else "8.0.0.0".
    void GetReportViewerVersion(CString& version) const;

private:
    CString m_reservedText;
    CString m_projectPath;
    CString m_projectFilePath;
    int m_databaseKind = 1;
    CString m_projectName;
    CString m_dateFormat = "mm/dd/yyyy";
    CString m_databaseName;
    CString m_serverName;
    CString m_userId;
    CString m_password;
    int m_pageTemplate = 3;
    CString m_themeName = "theme1";
    CString m_colorSchemeName = "scheme1";
    CString m_masterPageFile;
    int m_connectionStringMode = 1;
    CString m_connectionString;
    int m_sqlServerAuthentication = 0;
    int m_visualStudioVersion = 0;
    int m_databaseServerEdition = 0;
    bool m_confirmations = true;
};
