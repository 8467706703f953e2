#pragma once

#include "gen_classic/ActionWriter.h"
#include "gen_classic/BaseWriter.h"

class LoginPage;
class Module;

// The classic login form (the login template as it is), its action page and "Logout.asp", all
// in the writer's folder.
class LoginWriter : public BaseWriter
{
public:
    // The module's roles decide the dashboard each user starts on.
    LoginWriter(const CString& folder, AspFile* file, const CString& templatePath,
                FormInterface* page, bool noTemplate, const Module* module,
                GenerationReport& report);

    void Write() override;

protected:
    CString GetOutputAddress() const override;

    void PageDataStepA() override {}
    void FillListA() override;
    void FillListB() override;
    void PageDataStepB() override {}
    void PageDataStepC() override {}
    void PageDataStepD() override {}
    void PageDataStepE() override {}
    void SetPageCaption() override;
    void SetLayoutGrid() override;
    void PageDataStepF() override {}
    void PageDataStepG() override {}
    void SetOwningPage() override;

private:
    void FillList(std::vector<FieldVariableMap*>& list, int kind);
    void WriteLogoutPage();

    LoginPage* m_loginPage;
    const Module* m_module;
};

// The login form's action page: checks the user with the login call, keeps who logged in and
// sends the user to the dashboard of the role. It borrows its form writer's record.
class LoginActionWriter : public ActionWriter
{
public:
    LoginActionWriter(const CString& folder, AspFile* file, PageWriteInfo* info,
                      const Module* module, GenerationReport& report);

protected:
    CString GetOutputAddress() const override;
    CString GetErrorRedirectPage() override;
    // The password never goes back in an address.
    bool IsPassedBack(const FieldVariableMap& map) override;
    void WriteExecuteQuery(int indent) override;
    void WriteValidateCall(int indent) override;
    void WriteDimLines(int indent) override;
    void WriteBuildQuery(int) override {}
    void WriteAfterKeyRead(int) override {}
    bool IsRedirectStringContinued(int) override { return false; }
    void WriteBeforeRedirect(int) override {}
    void WriteAfterQuery(int) override {}

private:
    void WriteLoginFailure(int indent);
    void WriteDecideDashboard(int indent);

    LoginPage* m_loginPage;
    const Module* m_module;
};
