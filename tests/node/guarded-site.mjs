// Uses and attacks the generated "Guard" site served on a database, as its users and a client
// of its own would:
//   node guarded-site.mjs <base URL> <statement log> <screenshot prefix> <control runs>
// The control runs are the program's own runs of control characters ("first-last" in hex, comma
// separated), which no upload name may hold.
// The default account, the administrator, an editor (the document's menus), a clerk (no menu),
// a reader, a viewer (search reports only) and a printer (the RDLC report only) log in; the pages a role may reach work in Chromium; every attack is refused, changes
// nothing and runs no statement (the log of the site's database class tells). Prints each
// failure and exits with their number.
import { execFileSync } from "node:child_process";
import crypto from "node:crypto";
import fs from "node:fs";
import os from "node:os";
import path from "node:path";
import { launchChromium, plainText, watchedTab } from "./browser.mjs";
import { inputTag, inputValue, pageMessage, siteClients } from "./site-client.mjs";

// A picture of the page once it has loaded; a page still between two documents has no size.
async function settledScreenshot(tab, file) {
    await tab.waitForFunction(
        () => document.readyState === "complete" && document.documentElement.scrollWidth > 0,
        { timeout: 15000 });
    await tab.screenshot({ path: file, fullPage: true });
}

const [base, log, shots, controlRuns] = process.argv.slice(2);
const ui = "BaseModule/UI";
const failures = [];
const passwords = { admin: "Admin-pass1", editor: "Editor-pass1", clerk: "Clerk-pass1" };

const { Client, hiddenFields, login, pageForm } = siteClients(base, ui);

function statements() {
    return fs.readFileSync(log, "utf8").split("\n").filter((line) => line !== "");
}

function check(condition, text) {
    if (!condition)
        failures.push(text);
}

const refusal = /\/Login\.aspx(\?Refused=1)?$/;
// The account table has an uploaded avatar: its pages post their whole form.
const avatarInput = { field: "avatar" };
// The refusal of an upload name that holds a control character.
const controlledUpload = "The file was not uploaded: its name holds control characters.";

// The request must be sent elsewhere (to the login page's refusal unless told) and run no
// statement, or with reads, none that changes anything.
async function expectRefused(label, send, target = refusal, reads = false) {
    const before = statements().length;
    const answer = await send();
    const ran = statements().slice(before).filter((line) => !reads || !/^\s*select/i.test(line));
    check(answer.status === 302 && target.test(answer.location),
        `${label}: status ${answer.status}, location "${answer.location}": ${plainText(answer.text)}`);
    check(ran.length === 0, `${label}: ran ${ran.join(" | ")}`);
}

function expectMessage(label, answer, message) {
    check(answer.status === 200 && answer.text.includes(message),
        `${label}: "${message}" not in the answer (${answer.status}): ${plainText(answer.text)}`);
}

const dashBoard = `${ui}/Project_Dashboard.aspx`;
const passwordPage = `${ui}/ChangePassword_formUpdate.aspx`;

// The default account must set its password before any other page answers it.
const admin = new Client();
const firstLogin = await login(admin, "admin", "");
check(firstLogin.status === 302, `the default account's login: ${firstLogin.status} ${plainText(firstLogin.text)}`);
for (const page of [dashBoard, `${ui}/useraccountAdd.aspx`, `${ui}/document_Report_report.aspx`])
    await expectRefused(`${page} before the default account set its password`, () => admin.request(page),
        /ChangePassword_formUpdate\.aspx$/);
let adminToken = await admin.token(passwordPage);
check(adminToken !== "", "the password page carries no token");
await expectRefused("an account added before the default account set its password",
    () => admin.request(`${ui}/useraccountAdd.aspx`, {
        form: { ACTION: "ADD", username: "early", password: "x", personnel_role_id: "1", REQUEST_TOKEN: adminToken },
    }), /ChangePassword_formUpdate\.aspx$/);

// The default account sets its password in the browser, where its login leads.
const firstBrowser = await launchChromium();
try {
    const problems = [];
    const tab = await watchedTab(firstBrowser.browser, problems);
    tab.on("dialog", (dialog) => dialog.accept());
    await tab.goto(`${base}/${ui}/Login.aspx`, { waitUntil: "networkidle0" });
    await tab.type("#ctl00_KestraneWeavoContent_user_name", "admin");
    await Promise.all([tab.waitForNavigation({ waitUntil: "networkidle0" }), tab.click("#ctl00_KestraneWeavoContent_Log_in")]);
    check(tab.url().endsWith(`/${passwordPage}`), `the default account's login ends at ${tab.url()}`);
    await tab.type("#ctl00_KestraneWeavoContent_new_password", passwords.admin);
    await tab.type("#ctl00_KestraneWeavoContent_confirm_password", passwords.admin);
    // The account table has an upload: the page's own button posts the whole form, and the page
    // answers on itself.
    const before = statements().length;
    await Promise.all([tab.waitForNavigation({ waitUntil: "networkidle0", timeout: 15000 }),
        tab.click("#ctl00_KestraneWeavoContent_UpdateButton")]);
    const changed = statements().slice(before).some((line) => /^UPDATE useraccount set/i.test(line));
    check(changed, "the default account's password change in the browser ran no update");
    const shown = await tab.evaluate(() => document.getElementById("ctl00_KestraneWeavoContent_MessageLabel")?.textContent || "");
    check(tab.url().endsWith(`/${passwordPage}`) && shown === "Record Updated Successfully!",
        `after the password change the browser is at ${tab.url()} showing "${shown}"`);
    await settledScreenshot(tab, `${shots}-Password.png`);
    failures.push(...problems.map((problem) => `in Chromium, the default account: ${problem}`));
} catch (error) {
    failures.push(`in Chromium, the default account: ${error.stack || error}`);
} finally {
    await firstBrowser.close();
}
check((await login(admin, "admin", passwords.admin)).status === 302, "the administrator cannot log in with the new password");
check((await admin.request(dashBoard)).status === 200, "the dashboard does not answer once the password is set");

// The administrator adds the editor's and the clerk's accounts.
adminToken = await admin.token(`${ui}/useraccountAdd.aspx`);
for (const [user, role] of [["editor", "2"], ["clerk", "3"]])
    expectMessage(`the administrator adds ${user}`, await accountPost(admin, `${ui}/useraccountAdd.aspx`, {
        ACTION: "ADD", username: user, password: passwords[user], confirm_password: passwords[user], personnel_role_id: role,
    }), "Record Added Successfully!");

// Request forgery: actions only from a POST with the session's token.
await expectRefused("an account added by a GET link", () => admin.request(
    `${ui}/useraccountAdd.aspx?ACTION=ADD&username=forged&password=x&confirm_password=x&personnel_role_id=1`));
await expectRefused("an account added by a POST without the token", () => admin.request(
    `${ui}/useraccountAdd.aspx`, { form: { ACTION: "ADD", username: "forged", password: "x", personnel_role_id: "1" } }));
await expectRefused("an account added by a POST with another token", () => admin.request(
    `${ui}/useraccountAdd.aspx`, {
        form: { ACTION: "ADD", username: "forged", password: "x", personnel_role_id: "1", REQUEST_TOKEN: "x" + adminToken },
    }));
await expectRefused("a row deleted by a GET link", () => admin.request(`${ui}/documentUpdate.aspx?ACTION=DELETE&document_id=1`));
await expectRefused("a report's delete by a GET link",
    () => admin.request(`${ui}/document_Report_report.aspx?ACTION=DELETE&record_id=1`));

const refusedLogin = await new Client().request(`${ui}/Login.aspx?Refused=1`);
expectMessage("the login page's refusal", refusedLogin, "You are not allowed to open that page or to do that.");

// Authorization: a role reaches only what its menus lead to; the accounts are the
// administrator's.
const clerk = new Client();
check((await login(clerk, "clerk", passwords.clerk)).status === 302, "the clerk cannot log in");
check((await clerk.request(dashBoard)).status === 200, "the clerk's dashboard does not answer");
const clerkToken = await clerk.token(dashBoard);
const clerkAttacks = [
    ["opens the document's Add page", `${ui}/documentAdd.aspx`, null],
    ["opens the account list", `${ui}/useraccount_Report_report.aspx`, null],
    ["adds a document", `${ui}/documentAdd.aspx`, { ACTION: "ADD", title: "clerk's" }],
    ["creates an administrator account", `${ui}/useraccountAdd.aspx`,
        { ACTION: "ADD", username: "intruder", password: "x", confirm_password: "x", personnel_role_id: "1" }],
    ["resets the administrator's password", `${ui}/useraccountUpdate.aspx`,
        { ACTION: "UPDATE", useraccount_id: "1", username: "admin", new_password: "x", confirm_password: "x", personnel_role_id: "1" }],
    ["deletes a document", `${ui}/documentUpdate.aspx`, { ACTION: "DELETE", document_id: "1" }],
    ["deletes a report row", `${ui}/document_Report_report.aspx`, { ACTION: "DELETE", record_id: "1" }],
];
for (const [what, page, form] of clerkAttacks)
    await expectRefused(`the clerk ${what}`,
        () => clerk.request(page, form ? { form: { ...form, REQUEST_TOKEN: clerkToken } } : {}));

// Sessions: the session cookie is HttpOnly, a login starts a new session, the password changes
// only with the old one.
const sessionCookies = firstLogin.setCookies.concat((await new Client().request(dashBoard)).setCookies)
    .filter((line) => line.startsWith("ASP.NET_SessionId="));
check(sessionCookies.length > 0 && sessionCookies.every((line) => /;\s*HttpOnly/i.test(line)),
    `a session cookie without HttpOnly: ${sessionCookies.join(" | ")}`);
const attacker = new Client();
await attacker.request(dashBoard);
const planted = attacker.cookies.get("ASP.NET_SessionId") || "abcdefghijklmnopqrstuvwx";
const victim = new Client();
victim.cookies.set("ASP.NET_SessionId", planted);
check((await login(victim, "clerk", passwords.clerk)).status === 302, "the clerk cannot log in with a planted session id");
check((await victim.request(dashBoard)).status === 200, "the clerk's dashboard does not answer after that login");
check(victim.cookies.get("ASP.NET_SessionId") !== planted, "the login kept the planted session id");
attacker.cookies.set("ASP.NET_SessionId", planted);
await expectRefused("the planted session id after the victim's login", () => attacker.request(dashBoard), /\/Login\.aspx$/);

const passwordToken = await clerk.token(passwordPage);
for (const [what, old, message] of [
    ["without the old password", undefined, "Please enter the old password."],
    ["with an empty old password", "", "Please enter the old password."],
    ["with a wrong old password", "wrong", "The old password is not correct."],
    ["without the user name", passwords.clerk, "The form did not send all of its fields."],
]) {
    const before = statements().length;
    const form = {
        ACTION: "UPDATE", username: "clerk", new_password: "taken", confirm_password: "taken", personnel_role_id: "3",
        REQUEST_TOKEN: passwordToken,
    };
    if (old !== undefined)
        form.password = old;
    if (what === "without the user name")
        delete form.username;
    const answer = await accountPost(clerk, passwordPage, form);
    expectMessage(`a password change ${what}`, answer, message);
    check(answer.redirected === "", `a password change ${what} is sent to "${answer.redirected}"`);
    const changed = statements().slice(before).filter((line) => !/^\s*select/i.test(line));
    check(changed.length === 0, `a password change ${what} ran ${changed.join(" | ")}`);
}
check((await login(new Client(), "clerk", passwords.clerk)).status === 302, "the clerk's password changed");

// Uploads and the pages an editor reaches, in Chromium.
const files = fs.mkdtempSync(path.join(os.tmpdir(), "weavo-uploads-"));
const upload = (name, text) => {
    fs.writeFileSync(path.join(files, name), text);
    return path.join(files, name);
};
const marked = "<img src=x onerror=scriptRan=1>.txt";
const chromium = await launchChromium();
try {
    const problems = [];
    const tab = await watchedTab(chromium.browser, problems);
    tab.on("dialog", (dialog) => dialog.accept());
    const posted = [];
    tab.on("request", (request) => request.method() === "POST" && posted.push(request.url()));
    await tab.goto(`${base}/${ui}/Login.aspx`, { waitUntil: "networkidle0" });
    await tab.type("#ctl00_KestraneWeavoContent_user_name", "editor");
    await tab.type("#ctl00_KestraneWeavoContent_password", passwords.editor);
    await Promise.all([tab.waitForNavigation({ waitUntil: "networkidle0" }), tab.click("#ctl00_KestraneWeavoContent_Log_in")]);
    check(tab.url().endsWith("/Project_Dashboard.aspx"), `the editor's login ends at ${tab.url()}`);
    const refusedAccounts = await new Client().request(`${ui}/useraccountAdd.aspx`);
    check(refusedAccounts.status === 302, "the account page answers without a login");

    // Clicks the button of a page that submits its form, and waits for the answer.
    const submitted = async (label, button) => {
        await Promise.all([tab.waitForNavigation({ waitUntil: "networkidle0", timeout: 15000 }), tab.click(button)])
            .catch(async (error) => failures.push(`${label}: ${error.message}: ${plainText(await tab.content())}`));
    };
    const addDocument = async (title, file) => {
        await tab.goto(`${base}/${ui}/documentAdd.aspx`, { waitUntil: "networkidle0" });
        await tab.type("#ctl00_KestraneWeavoContent_title", title);
        await (await tab.$("#ctl00_KestraneWeavoContent_scan")).uploadFile(file);
        await submitted(`the editor's add of ${title}`, "#AddButton");
        return tab.evaluate(() => document.getElementById("ctl00_KestraneWeavoContent_MessageLabel")?.textContent || "");
    };
    const added = await addDocument("First", upload("notes.txt", "first notes"));
    check(added.includes("Record Added Successfully!"), `the editor's add: "${added}"`);
    for (const name of ["page.html", "drawing.svg"]) {
        const before = statements().length;
        const message = await addDocument(`refused ${name}`, upload(name, "<svg xmlns='http://www.w3.org/2000/svg'><script>alert(document.cookie)</script></svg>"));
        check(message.includes(`The file ${name} was not uploaded`), `the upload of ${name}: "${message}"`);
        const ran = statements().slice(before).filter((line) => !/^\s*select/i.test(line));
        check(ran.length === 0, `the upload of ${name} ran ${ran.join(" | ")}`);
    }
    const markedAnswer = await addDocument("Marked", upload(marked, "marked notes"));
    check(markedAnswer.includes("Record Added Successfully!"), `the marked upload: "${markedAnswer}" at ${tab.url()}: ${plainText(await tab.content())}`);
    check((await addDocument("Second", upload("notes.txt", "second notes"))).includes("Record Added Successfully!"), "the second notes.txt was not added");

    const stored = statements().filter((line) => /^INSERT INTO document/i.test(line))
        .map((line) => /N'([^']*)'\)/.exec(line)?.[1] || "");
    check(stored.length === 3, `${stored.length} documents inserted: ${stored.join(" | ")}`);
    check(new Set(stored.map((name) => name.toLowerCase())).size === stored.length, `stored files share a name: ${stored.join(" | ")}`);
    for (const [index, text] of [[0, "first notes"], [2, "second notes"]]) {
        const answer = await fetch(`${base}/uploadedData/${stored[index].split("/").map(encodeURIComponent).join("/")}`,
            { headers: { Cookie: cookiesOf(admin) } });
        const body = await answer.text();
        check(body === text, `the stored file ${stored[index]} holds "${body}"`);
        check(answer.headers.get("x-content-type-options") === "nosniff", `${stored[index]} is sent without nosniff`);
        check(/^attachment/.test(answer.headers.get("content-disposition") || ""), `${stored[index]} is not sent as a download`);
    }

    // The report lists the documents; the Update page shows the marked name as text.
    await tab.goto(`${base}/${ui}/document_Report_report.aspx`, { waitUntil: "networkidle0" });
    check(tab.url().endsWith("document_Report_report.aspx"), `the editor's report page ends at ${tab.url()}: ${plainText(await tab.content())}`);
    await tab.evaluate(() => HandleAction("SHOW"));
    await tab.waitForSelector("#ctl00_KestraneWeavoContent_reportDiv table", { timeout: 15000 })
        .catch(() => failures.push("no report table after View"));
    const listed = await tab.evaluate(() => document.getElementById("ctl00_KestraneWeavoContent_reportDiv").textContent);
    for (const title of ["First", "Marked", "Second", "notes.txt", marked])
        check(listed.includes(title), `the report does not list ${title}: ${listed}`);
    for (const name of stored)
        check(!listed.includes(name), `the report shows the stored name ${name}: ${listed}`);
    await settledScreenshot(tab, `${shots}-Report.png`);
    // The refused uploads inserted nothing: "Marked" is the second row.
    const markedId = 2;
    await tab.goto(`${base}/${ui}/documentUpdate.aspx?document_id=${markedId}`, { waitUntil: "networkidle0" });
    const shown = await tab.evaluate(() => ({
        ran: window.scriptRan === 1,
        label: document.getElementById("ctl00_KestraneWeavoContent_scanLabel")?.textContent || "",
    }));
    check(!shown.ran, "the script in an uploaded file's name ran on the Update page");
    check(shown.label === marked, `the Update page shows the file name as "${shown.label}"`);

    // Update and delete through the Update page.
    await tab.goto(`${base}/${ui}/documentUpdate.aspx?document_id=1`, { waitUntil: "networkidle0" });
    await tab.$eval("#ctl00_KestraneWeavoContent_title", (control) => { control.value = "First updated"; });
    await submitted("the editor's update", "#ctl00_KestraneWeavoContent_UpdateButton");
    const updated = await tab.evaluate(() => document.getElementById("ctl00_KestraneWeavoContent_MessageLabel")?.textContent || "");
    check(updated.includes("Record Updated Successfully!"), `the editor's update: "${updated}"`);
    const update = statements().filter((line) => /^UPDATE document set/i.test(line)).pop() || "";
    check(update.includes(`title = N'First updated'`) && update.includes(`scan = N'${stored[0]}'`),
        `the editor's update does not keep the stored file: ${update}`);
    // The delete leads to the Add page, which says so.
    await tab.goto(`${base}/${ui}/documentUpdate.aspx?document_id=1`, { waitUntil: "networkidle0" });
    await submitted("the editor's delete", "#ctl00_KestraneWeavoContent_DeleteButton");
    const deleted = statements().some((line) => /^update document set Is_Deleted = 'Y' where document_id = 1$/i.test(line));
    const said = await tab.evaluate(() => document.getElementById("ctl00_KestraneWeavoContent_MessageLabel")?.textContent || "");
    check(deleted && said === "Record Deleted Successfully!" && tab.url().endsWith("/documentAdd.aspx"),
        `the editor's delete ran ${deleted ? "its" : "no"} statement and shows "${said}" at ${tab.url()}`);
    await settledScreenshot(tab, `${shots}-Deleted.png`);
    check(posted.length > 0 && posted.every((url) => !url.includes("REQUEST_TOKEN")),
        `posted to addresses with the token: ${posted.join(" | ")}`);
    failures.push(...problems.map((problem) => `in Chromium: ${problem}`));
} catch (error) {
    failures.push(`in Chromium: ${error.stack || error}`);
} finally {
    await chromium.close();
    fs.rmSync(files, { recursive: true, force: true });
}

// Navigation by role, in Chromium: the administrator's menu bar keeps its items apart; the
// editor's bar holds exactly its menus under their parents, and its dashboard and bar lead it, by
// clicks, to its pages, which it uses; the clerk, without menus, gets pages without a bar.
const navigation = await launchChromium();
try {
    const problems = [];
    const menuItems = "#ctl00_KestraneWeavoContent_Menu1 li.static";
    const signedIn = async (user) =>
        loggedInTab(await navigation.browser.createBrowserContext(), problems, user, passwords[user]);
    const clicked = (tab, selector) =>
        Promise.all([tab.waitForNavigation({ waitUntil: "networkidle0", timeout: 15000 }), tab.click(selector)]);

    const admin = await signedIn("admin");
    await admin.goto(`${base}/${ui}/documentAdd.aspx`, { waitUntil: "networkidle0" });
    const gaps = await admin.$$eval(`${menuItems} > a`, (links) => links.map((link) => {
        const range = document.createRange();
        range.selectNodeContents(link);
        return range.getBoundingClientRect();
    }).map((text, i, texts) => (i === 0 ? 20 : text.left - texts[i - 1].right)));
    check(gaps.length > 2 && gaps.every((gap) => gap >= 12), `the administrator's menu items stand ${gaps.join(", ")} pixels apart`);
    await settledScreenshot(admin, `${shots}-AdministratorMenu.png`);

    const editor = await signedIn("editor");
    await clicked(editor, "#ctl00_KestraneWeavoContent_BaseModule");
    await clicked(editor, "#ctl00_KestraneWeavoContent_Masters");
    check(editor.url().endsWith("/documentAdd.aspx"), `the editor's dashboard leads to ${editor.url()}`);
    const bar = await editor.$$eval(menuItems, (items) => items.map((item) =>
        [...item.querySelectorAll("a")].map((link) => link.textContent).join(" > ")));
    check(bar.join(" | ") === "Masters > Document | Search Reports > Search document", `the editor's menu bar: ${bar.join(" | ")}`);
    await editor.hover(`${menuItems}:nth-child(2) > a`);
    await editor.waitForSelector(`${menuItems}:nth-child(2) li.dynamic a`, { visible: true, timeout: 5000 });
    await clicked(editor, `${menuItems}:nth-child(2) li.dynamic a`);
    check(editor.url().endsWith("/document_Report_report.aspx"), `the editor's menu leads to ${editor.url()}`);
    await editor.evaluate(() => HandleAction("SHOW"));
    await editor.waitForSelector("#ctl00_KestraneWeavoContent_reportDiv table", { timeout: 15000 })
        .catch(() => failures.push("the report that the editor's menu leads to shows no table"));
    await settledScreenshot(editor, `${shots}-EditorMenu.png`);
    await editor.hover(`${menuItems}:nth-child(1) > a`);
    await editor.waitForSelector(`${menuItems}:nth-child(1) li.dynamic a`, { visible: true, timeout: 5000 });
    await clicked(editor, `${menuItems}:nth-child(1) li.dynamic a`);
    await editor.type("#ctl00_KestraneWeavoContent_title", "By the menu");
    await clicked(editor, "#AddButton");
    const message = await editor.$eval("#ctl00_KestraneWeavoContent_MessageLabel", (label) => label.textContent);
    check(message.includes("Record Added Successfully!"), `the editor's add through its menu: "${message}"`);

    const clerk = await signedIn("clerk");
    await clerk.goto(`${base}/${passwordPage}`, { waitUntil: "networkidle0" });
    check((await clerk.$(menuItems)) === null, "the clerk's page has a menu bar");
    failures.push(...problems.map((problem) => `in Chromium, navigating: ${problem}`));
} catch (error) {
    failures.push(`in Chromium, navigating: ${error.stack || error}`);
} finally {
    await navigation.close();
}

// A tab of the browser or of one of its contexts, logged in as the user, that accepts dialogs.
async function loggedInTab(owner, problems, user, password) {
    const tab = await watchedTab(owner, problems);
    tab.on("dialog", (dialog) => dialog.accept());
    await tab.goto(`${base}/${ui}/Login.aspx`, { waitUntil: "networkidle0" });
    await tab.type("#ctl00_KestraneWeavoContent_user_name", user);
    await tab.type("#ctl00_KestraneWeavoContent_password", password);
    await Promise.all([tab.waitForNavigation({ waitUntil: "networkidle0" }), tab.click("#ctl00_KestraneWeavoContent_Log_in")]);
    return tab;
}

// The statements that the call ran, SELECTs left out.
async function changesOf(send) {
    const before = statements().length;
    const answer = await send();
    return { answer, ran: statements().slice(before).filter((line) => !/^\s*select/i.test(line)) };
}

// A role reaches the password form's Update page only: its Add page would make an account of
// any role.
async function passwordFormAddsNoAccount() {
    const clerk = new Client();
    check((await login(clerk, "clerk", passwords.clerk)).status === 302, "the clerk cannot log in again");
    const token = await clerk.token(passwordPage);
    await expectRefused("the clerk adds an administrator through the password form", () => clerk.request(
        `${ui}/ChangePassword_formAdd.aspx`, {
            form: {
                ACTION: "ADD", username: "usurper", password: "x", new_password: "x", confirm_password: "x",
                personnel_role_id: "1", REQUEST_TOKEN: token,
            },
        }));
    check((await login(new Client(), "usurper", "x")).status !== 302, "the account added through the password form logs in");
    return clerk;
}

// The password page changes the password only: masked inputs, a confirmation the server checks,
// the account's own name kept.
async function passwordPageChangesOnlyThePassword(clerk) {
    const page = (await clerk.request(passwordPage)).text;
    for (const name of ["new_password", "confirm_password"]) {
        const tag = new RegExp(`<(input|textarea)[^>]*id="ctl00_KestraneWeavoContent_${name}"[^>]*>`).exec(page)?.[0] || "";
        check(/^<input/.test(tag) && /type="password"/.test(tag), `the password page shows ${name} as ${tag}`);
    }
    const change = (form) => accountPost(clerk, passwordPage,
        { ACTION: "UPDATE", username: "clerk", password: passwords.clerk, personnel_role_id: "3", ...form });
    const mismatch = await changesOf(() => change({ new_password: "Clerk-pass2", confirm_password: "Clerk-pass3" }));
    expectMessage("a new password that differs from its confirmation", mismatch.answer,
        "Confirm password should be matching with password");
    check(mismatch.ran.length === 0, `a new password that differs from its confirmation ran ${mismatch.ran.join(" | ")}`);
    const renamed = await changesOf(() => change({ username: "Admin", new_password: "Clerk-pass2", confirm_password: "Clerk-pass2" }));
    expectMessage("the clerk's password change", renamed.answer, "Record Updated Successfully!");
    check(renamed.ran.length === 1 && renamed.ran[0].includes("username = N'clerk'"),
        `the clerk's password change under the name Admin ran ${renamed.ran.join(" | ")}`);
    passwords.clerk = "Clerk-pass2";
    check((await login(new Client(), "clerk", passwords.clerk)).status === 302, "the clerk cannot log in with the changed password");
    const fresh = hiddenFields((await clerk.request(passwordPage)).text).REQUEST_TOKEN;
    const removed = await changesOf(async () =>
        shownAfter(clerk, await clerk.request(passwordPage, { form: { ACTION: "DELETE", REQUEST_TOKEN: fresh } })));
    expectMessage("the clerk's account deleted through the password page", removed.answer, "Can not Delete Record!");
    check(removed.ran.length === 0, `the clerk's delete through the password page ran ${removed.ran.join(" | ")}`);
}

// A detail row is saved or deleted only with its own master record.
async function detailRowsStayWithTheirMaster() {
    const token = await admin.token(`${ui}/orderAdd.aspx`);
    for (const [note, item] of [["first order", "pen"], ["second order", "ink"]]) {
        const added = await changesOf(() => admin.request(`${ui}/orderAdd.aspx`,
            { form: { ACTION: "ADD", note, inp1: "1", item1: item, document_id1: "null", REQUEST_TOKEN: token } }));
        check(added.ran.some((line) => /^INSERT INTO order_detail/i.test(line)),
            `the administrator's order ${note} ran ${added.ran.join(" | ")} (${added.answer.status})`);
    }
    const save = (order, row) => changesOf(() => admin.request(`${ui}/orderUpdate.aspx`, {
        form: { ACTION: "UPDATE", order_basic_id: order, note: `order ${order}`, inp1: "1", ...row, REQUEST_TOKEN: token },
    }));
    for (const [what, row, message] of [
        ["moved", { id1: "2", item1: "moved", document_id1: "null" }, "Can not Update Detail Record!"],
        ["deleted", { id1: "2", item1: "ink", document_id1: "null", delete1: "on" }, "Can not Delete Detail Record!"],
    ]) {
        const { answer, ran } = await save("1", row);
        expectMessage(`order 2's row ${what} through order 1`, answer, message);
        const detail = ran.filter((line) => /order_detail/i.test(line));
        check(detail.length === 0, `order 2's row ${what} through order 1 ran ${detail.join(" | ")}`);
    }
    const own = await save("2", { id1: "2", item1: "ink updated", document_id1: "null" });
    check(own.ran.some((line) => /^UPDATE order_detail SET item = N'ink updated'.* WHERE order_detail_id = 2$/i.test(line)),
        `order 2's own row was not updated: ${own.ran.join(" | ")}`);
    const deleted = await changesOf(() => admin.request(`${ui}/orderUpdate.aspx`, {
        form: { ACTION: "DELETE", order_basic_id: "1", inp1: "1", id1: "2", REQUEST_TOKEN: token },
    }));
    check(!deleted.ran.some((line) => /order_detail_id = 2/i.test(line)) &&
        deleted.ran.some((line) => /^DELETE FROM order_basic WHERE order_basic_id = 1$/i.test(line)),
    `order 1's delete with order 2's row ran ${deleted.ran.join(" | ")}`);
}

// A delete with a key that is not a number runs nothing and says so; the message of the next
// page is the one the site kept, never one of the address.
async function refusedDeletesSaySo() {
    const token = await admin.token(`${ui}/documentUpdate.aspx`);
    const refused = await changesOf(() => admin.request(`${ui}/documentUpdate.aspx`,
        { form: { ACTION: "DELETE", document_id: "2 or 1=1", REQUEST_TOKEN: token } }));
    check(refused.answer.status === 302 && /documentAdd\.aspx$/.test(refused.answer.location) && refused.ran.length === 0,
        `a delete with a refused key: ${refused.answer.status} to "${refused.answer.location}", ran ${refused.ran.join(" | ")}`);
    const shown = pageMessage((await admin.request(`${ui}/documentAdd.aspx`)).text);
    check(shown === "Can not Delete Record!", `after a refused delete the page says "${shown}"`);
    const again = pageMessage((await admin.request(`${ui}/documentAdd.aspx`)).text);
    check(again === "", `the kept message is shown again: "${again}"`);
    const spoofed = await admin.request(`${ui}/documentAdd.aspx?MessageLabel=${encodeURIComponent("Your password expired")}`);
    check(spoofed.status === 200 && !spoofed.text.includes("Your password expired"),
        `the address's message is shown: ${pageMessage(spoofed.text)}`);
    const order = await changesOf(() => admin.request(`${ui}/orderUpdate.aspx`,
        { form: { ACTION: "DELETE", order_basic_id: "0 or 1=1", REQUEST_TOKEN: token } }));
    check(order.answer.text.includes("Can not Delete Record!") && order.ran.length === 0,
        `an order's delete with a refused key: ${plainText(order.answer.text)}, ran ${order.ran.join(" | ")}`);
    const listed = await changesOf(() => admin.request(`${ui}/document_Report_report.aspx`,
        { form: { ACTION: "DELETE", record_id: "3 or 1=1", REQUEST_TOKEN: token } }));
    check(listed.answer.status === 200 && listed.ran.length === 0,
        `a report's delete with a refused key: ${listed.answer.status}, ran ${listed.ran.join(" | ")}`);
}

// The project's own files are not served; stored uploads are, whatever their names; an upload
// post without the form's view state is refused.
async function filesThatMustNotBeServed() {
    for (const file of ["bin/Guard.dll", "Guard.csproj.user", "uploadedData/web.config"]) {
        const answer = await fetch(`${base}/${file}`);
        check(answer.status >= 400 && answer.status < 500, `${file} answers ${answer.status}`);
    }
    const upload = async (title, name, text, withState = true) => {
        const page = await admin.request(`${ui}/documentAdd.aspx`);
        const form = new FormData();
        for (const [key, value] of Object.entries(hiddenFields(page.text)))
            if (withState || !key.startsWith("__"))
                form.append(key, value);
        form.append("ACTION", "ADD");
        form.append("title", title);
        form.append("ctl00$KestraneWeavoContent$scan", new Blob([text]), name);
        return changesOf(() => admin.request(`${ui}/documentAdd.aspx`, { body: form }));
    };
    for (const name of ["part%2fwhole.txt", 'say "hi".txt']) {
        const { ran } = await upload(name, name, `notes of ${name}`);
        const stored = /N'([^']*)'\);?$/.exec(ran.find((line) => /^INSERT INTO document/i.test(line)) || "")?.[1] || "";
        const answer = await fetch(`${base}/uploadedData/${stored.split("/").map(encodeURIComponent).join("/")}`,
            { headers: { Cookie: cookiesOf(admin) } });
        const body = await answer.text();
        check(stored !== "" && answer.status === 200 && body === `notes of ${name}`,
            `the upload ${name}, stored as "${stored}", answers ${answer.status}: ${body.slice(0, 200)}`);
    }
    const bare = await upload("bare", "bare.txt", "bare notes", false);
    check(bare.answer.status === 302 && bare.ran.length === 0,
        `an upload without the view state: ${bare.answer.status}, ran ${bare.ran.join(" | ")}`);
    const shown = pageMessage((await admin.request(`${ui}/documentAdd.aspx`)).text);
    check(shown === "The form did not send all of its fields.", `after an upload without the view state: "${shown}"`);
}

await passwordPageChangesOnlyThePassword(await passwordFormAddsNoAccount());
await detailRowsStayWithTheirMaster();
await refusedDeletesSaySo();
await filesThatMustNotBeServed();
await printedReportsStayWithTheirSession();
await uploadsAnswerOnlyTheirRoles();
await uploadNamesAndSizesAreRefusedWithTheirPagesMessage();

// The client's cookies as a request header.
function cookiesOf(client) {
    return [...client.cookies].map(([k, v]) => `${k}=${v}`).join("; ");
}

// The written application's folder, beside the statement log.
function applicationFile(...parts) {
    return path.join(path.dirname(log), "Guard", "Guard", ...parts);
}

// The files of a folder of the application, none when it does not exist.
function filesIn(...parts) {
    const folder = applicationFile(...parts);
    return fs.existsSync(folder) ? fs.readdirSync(folder) : [];
}

// Print renders the report for the session that printed it, once, into no served folder; the
// print page takes no file name. A role that holds the report prints it in Chromium.
async function printedReportsStayWithTheirSession() {
    const report = `${ui}/document_rdlc_report.aspx`;
    const opened = await changesOf(() => admin.request(`${report}?ACTION=PRINT`));
    const printPage = /var url = '([^']*)'/.exec(opened.answer.text)?.[1] || "";
    check(/^document_rdlc_report_Print\.aspx$/.test(printPage) && opened.ran.length === 0,
        `the report's print opens "${printPage}", ran ${opened.ran.join(" | ")}`);
    for (const name of ["..%2f..%2fWeb.config", "evil.aspx"])
        await changesOf(() => admin.request(`${ui}/document_rdlc_report_Print.aspx?printFileName=${name}`));
    check(filesIn("PDFReports").length === 0 && !fs.existsSync(applicationFile("BaseModule", "UI", "evil.aspx")),
        `the print page wrote ${filesIn("PDFReports").join(", ")} into the site`);

    const printed = await admin.request(`${ui}/${printPage}`);
    const source = /<embed id="printdoc" src="([^"]*)"/.exec(printed.text)?.[1] || "";
    const name = /\?printed=([-\w]+)$/.exec(source)?.[1] || "";
    check(name !== "" && !printed.text.includes("PDFReports"), `the print page embeds "${source}"`);
    const stored = fs.existsSync(applicationFile("App_Data", "PrintedReports", name));
    check(stored, `the printed report ${name} is not kept in App_Data`);
    const served = await fetch(`${base}/App_Data/PrintedReports/${name}`);
    check(served.status >= 400 && served.status < 500, `the data folder serves the printed report: ${served.status}`);
    const clerk = new Client();
    await login(clerk, "clerk", passwords.clerk);
    const otherAdmin = new Client();
    await login(otherAdmin, "admin", passwords.admin);
    await expectRefused("the printed report without a login", () => new Client().request(`${ui}/${source}`), /\/Login\.aspx$/);
    await expectRefused("the printed report to a role without the report", () => clerk.request(`${ui}/${source}`));
    const other = await changesOf(() => otherAdmin.request(`${ui}/${source}`));
    check(other.answer.status === 404 && other.ran.length === 0,
        `another session of the administrator gets the printed report: ${other.answer.status}`);
    const own = await admin.request(`${ui}/${source}`);
    check(own.status === 200 && own.text.startsWith("%PDF-") && own.text.includes("Second"),
        `the printing session gets ${own.status}: ${own.text.slice(0, 100)}`);
    check((await admin.request(`${ui}/${source}`)).status === 404, "the printed report is sent twice");
    check(!fs.existsSync(applicationFile("App_Data", "PrintedReports", name)), "the sent report stays in App_Data");

    const browser = await launchChromium();
    try {
        const problems = [];
        const tab = await loggedInTab(browser.browser, problems, "admin", passwords.admin);
        await tab.goto(`${base}/${report}`, { waitUntil: "networkidle0" });
        const waiting = filesIn("App_Data", "PrintedReports");
        const popup = new Promise((resolve) => browser.browser.once("targetcreated", (target) => resolve(target.page())));
        await tab.click("#Print");
        const printTab = await popup;
        const document = await printTab.waitForResponse((answer) => answer.url().includes("?printed="), { timeout: 15000 });
        // The browser's PDF viewer takes the answer over; its headers are not shown here.
        check(document.status() === 200, `the print window's document answers ${document.status()}`);
        await new Promise((resolve) => setTimeout(resolve, 1500));
        await printTab.screenshot({ path: `${shots}-Print.png` });
        const left = filesIn("App_Data", "PrintedReports").filter((file) => !waiting.includes(file));
        check(left.length === 0, `the report printed in Chromium stays in App_Data as ${left.join(", ")}`);
        failures.push(...problems.map((problem) => `in Chromium, printing: ${problem}`));
    } catch (error) {
        failures.push(`in Chromium, printing: ${error.stack || error}`);
    } finally {
        await browser.close();
    }
}

// An uploaded file answers only a login whose role opens a page of the form that holds it.
async function uploadsAnswerOnlyTheirRoles() {
    const editor = new Client();
    check((await login(editor, "editor", passwords.editor)).status === 302, "the editor cannot log in");
    const clerk = new Client();
    await login(clerk, "clerk", passwords.clerk);
    const { ran } = await postUpload(editor, `${ui}/documentAdd.aspx`, "ACTION=ADD&title=held", "held.txt", "held notes");
    const stored = /N'([^']*)'\);?$/.exec(ran.find((line) => /^INSERT INTO document/i.test(line)) || "")?.[1] || "";
    const file = `uploadedData/${stored.split("/").map(encodeURIComponent).join("/")}`;
    await expectRefused("an upload without a login", () => new Client().request(file), /\/Login\.aspx$/);
    // Every role opens the password page, whose avatars the guard looks up in its own account.
    await expectRefused("an upload to a role without its form", () => clerk.request(file), refusal, true);
    for (const [who, client] of [["the editor", editor], ["the administrator", admin]]) {
        const answer = await client.request(file);
        check(stored !== "" && answer.status === 200 && answer.text === "held notes",
            `${who} downloads the upload "${stored}": ${answer.status} ${answer.text.slice(0, 100)}`);
    }
    const missing = await admin.request(`uploadedData/0badf00d/held.txt`);
    check(missing.status === 404, `an upload that no record holds answers ${missing.status}`);
}

// Posts the page's form with a file and the fields, as the page's script sends them (with those
// of query, in the address); the answer and the statements that changed something.
async function postUpload(client, page, fields, name, content, query = "") {
    const form = await pageForm(client, page, fields, { field: "scan", name, content });
    return changesOf(() => client.request(`${page.split("?")[0]}${query === "" ? "" : "?"}${query}`, { body: form }));
}


// An account page's post as its own form sends it, without a new avatar, to the page (whose
// address names the record on an Update page), and the page that the user then sees.
async function accountPost(client, page, fields) {
    const form = await pageForm(client, page, fields, avatarInput);
    return shownAfter(client, await client.request(page, { body: form }));
}

// The page that an answer shows: the answer itself, or the page of the site that it redirects
// to, with the address it redirected to ("" when it did not).
async function shownAfter(client, answer) {
    if (answer.status !== 302 || /\/Login\.aspx/.test(answer.location))
        return { ...answer, redirected: "" };
    const shown = await client.request(answer.location.replace(/^(https?:\/\/[^/]*)?\//, ""));
    return { ...shown, redirected: answer.location };
}

// DataSet files are not served; an upload whose name is no file's or too long, or which is
// larger than the site takes, is refused with the page's message and saves nothing; a file
// whose record is not saved leaves nothing on disk; a name beginning with "." is stored and
// sent; a refusal on the Update page returns to it.
async function uploadNamesAndSizesAreRefusedWithTheirPagesMessage() {
    for (const extension of ["xsd", "xsc", "xss"]) {
        const answer = await fetch(`${base}/BaseModule/DataSets/document_SelectAllRecords.${extension}`);
        check(answer.status >= 400 && answer.status < 500, `the data set's .${extension} file answers ${answer.status}`);
    }
    const editor = new Client();
    await login(editor, "editor", passwords.editor);
    const add = `${ui}/documentAdd.aspx`;
    const unnamed = "The file was not uploaded: its name is missing, made of dots only or too long.";
    for (const [name, content, message] of [
        ["", "no name", /The form did not send all of its fields\.|its name is missing/],
        [".", "a dot", unnamed],
        ["..", "two dots", unnamed],
        ["x".repeat(300), "a long name", unnamed],
        ["big.txt", "x".repeat(5 * 1024 * 1024), "The file was not uploaded: it is larger than the site accepts."],
    ]) {
        const label = `the upload "${name.slice(0, 20)}" of ${content.length} bytes`;
        const { answer, ran } = await postUpload(editor, add, "ACTION=ADD&title=refused", name, content);
        // A refused name stays on the page with the values as posted; a request over the limit
        // or without its file field returns to the page.
        const stays = answer.status === 200;
        check((stays || (answer.status === 302 && /\/documentAdd\.aspx$/.test(answer.location))) &&
            (message !== unnamed || stays) && ran.length === 0,
            `${label}: ${answer.status} to "${answer.location}", ran ${ran.join(" | ")}`);
        const shown = pageMessage(stays ? answer.text : (await editor.request(add)).text);
        check(typeof message === "string" ? shown === message : message.test(shown), `after ${label} the page says "${shown}"`);
    }
    const folders = filesIn("uploadedData");
    const unsaved = await postUpload(editor, add, `ACTION=ADD&title=${"t".repeat(60)}`, "unsaved.txt", "too long a title for its column");
    const tried = /N'([^']*)'\);?$/.exec(unsaved.ran.find((line) => /^INSERT INTO document/i.test(line)) || "")?.[1] || "";
    check(tried !== "" && !fs.existsSync(applicationFile("uploadedData", tried.split("/")[0])) &&
        filesIn("uploadedData").length === folders.length,
    `the file of a record not saved stays as "${tried}": ${filesIn("uploadedData").join(", ")}`);

    const dotted = await postUpload(editor, add, "ACTION=ADD&title=dotted", ".profile", "dotted notes");
    const stored = /N'([^']*)'\);?$/.exec(dotted.ran.find((line) => /^INSERT INTO document/i.test(line)) || "")?.[1] || "";
    const answer = await editor.request(`uploadedData/${stored.split("/").map(encodeURIComponent).join("/")}`);
    check(/^[0-9a-f]{8}\/~2Eprofile$/.test(stored) && answer.status === 200 && answer.text === "dotted notes",
        `".profile", stored as "${stored}", answers ${answer.status}: ${answer.text.slice(0, 100)}`);

    const update = `${ui}/documentUpdate.aspx?document_id=2`;
    const refused = await postUpload(editor, update, "ACTION=UPDATE&title=Marked&document_id=2", "evil.aspx", "<% %>",
        "document_id=2");
    check(refused.answer.status === 200 && refused.ran.length === 0,
        `a refused upload on the Update page: ${refused.answer.status} to "${refused.answer.location}", ran ${refused.ran.join(" | ")}`);
    const shown = pageMessage(refused.answer.text);
    check(shown === "The file evil.aspx was not uploaded: files of this type are not accepted.",
        `the Update page after a refused upload says "${shown}"`);
}

// The stored form of a password: the salted SHA-1 digest of its UTF-8 bytes in base 64 after
// the scheme's mark; the first scheme's, the digest of its ASCII bytes read back as ASCII.
function passwordSalt(id) {
    const salt = Buffer.alloc(4);
    salt.writeInt32BE((id + (4729133 << 16) + 861257) | 0);
    return salt;
}

function storedPassword(password, id) {
    return "U8:" + crypto.createHash("sha1").update(Buffer.concat([Buffer.from(password, "utf8"), passwordSalt(id)])).digest("base64");
}

function firstSchemePassword(password, id) {
    const digest = crypto.createHash("sha1").update(Buffer.concat([Buffer.from(password, "latin1"), passwordSalt(id)])).digest();
    return [...digest].map((byte) => (byte < 128 ? String.fromCharCode(byte) : "?")).join("");
}

// Runs a statement on the site's database, as a deployment's own tools would; what it prints.
function runOnDatabase(statement) {
    return execFileSync("psql", ["-X", "-q", "-At", "-v", "ON_ERROR_STOP=1", "-h", "127.0.0.1", "-U", "postgres",
        "-p", process.env.WEAVO_PG_PORT, "-d", process.env.WEAVO_PG_DATABASE, "-c", statement], { encoding: "utf8" }).trim();
}

// The administrator adds an account: its key and stored password, from the statement that
// stored the password once the key was known.
async function addAccount(user, password, role) {
    const { answer, ran } = await changesOf(() => accountPost(admin, `${ui}/useraccountAdd.aspx`,
        { ACTION: "ADD", username: user, password, confirm_password: password, personnel_role_id: role }));
    expectMessage(`the administrator adds ${user}`, answer, "Record Added Successfully!");
    const stored = ran.map((line) => /^update useraccount set password = N'([^']*)' where useraccount_id = (\d+)$/i.exec(line))
        .find((match) => match);
    check(stored, `the account ${user} got no password: ${ran.join(" | ")}`);
    return { id: stored ? Number(stored[2]) : 0, digest: stored ? stored[1] : "" };
}

// The administrator's change of an account on its page, which takes a new password: the one the
// account has changes only its other fields.
async function changeAccount(id, user, role, newPassword) {
    return changesOf(() => accountPost(admin, `${ui}/useraccountUpdate.aspx?useraccount_id=${id}`, {
        ACTION: "UPDATE", useraccount_id: String(id), username: user, new_password: newPassword,
        confirm_password: newPassword, personnel_role_id: role,
    }));
}

// A session whose account is deleted, has another role or another password goes to the login
// page and changes nothing; a new login works as the account now is.
async function changedAccountsEndTheirSessions() {
    const password = "Temp-pass1";
    const { id } = await addAccount("temp", password, "2");
    const signedIn = async (secret) => {
        const client = new Client();
        check((await login(client, "temp", secret)).status === 302, `temp cannot log in with ${secret}`);
        check((await client.request(`${ui}/documentAdd.aspx`)).status === 200, "temp, an editor, cannot open the document's Add page");
        return client;
    };
    const refusedAfter = async (what, client) => {
        const token = hiddenFields((await client.request(dashBoard)).text).REQUEST_TOKEN;
        await what();
        const { answer, ran } = await changesOf(() => client.request(`${ui}/documentAdd.aspx`,
            { form: { ACTION: "ADD", title: "by a stale session", REQUEST_TOKEN: token } }));
        check(answer.status === 302 && /\/Login\.aspx$/.test(answer.location) && ran.length === 0,
            `a session after ${what.name}: ${answer.status} to "${answer.location}", ran ${ran.join(" | ")}`);
        const again = await client.request(dashBoard);
        check(again.status === 302 && /\/Login\.aspx$/.test(again.location), `the session ended by ${what.name} answers again`);
    };
    await refusedAfter(async function roleChange() {
        expectMessage("the administrator makes temp a clerk", (await changeAccount(id, "temp", "3", password)).answer, "Record Updated Successfully!");
    }, await signedIn(password));
    const clerkTemp = new Client();
    check((await login(clerkTemp, "temp", password)).status === 302, "temp cannot log in as a clerk");
    await expectRefused("temp, now a clerk, opens the document's Add page", () => clerkTemp.request(`${ui}/documentAdd.aspx`));
    expectMessage("the administrator makes temp an editor again", (await changeAccount(id, "temp", "2", password)).answer, "Record Updated Successfully!");
    await refusedAfter(async function passwordReset() {
        expectMessage("the administrator resets temp's password", (await changeAccount(id, "temp", "2", "Temp-pass2")).answer,
            "Record Updated Successfully!");
    }, await signedIn(password));
    await refusedAfter(async function deletion() {
        const token = await admin.token(`${ui}/useraccountUpdate.aspx?useraccount_id=${id}`);
        expectMessage("the administrator deletes temp", await shownAfter(admin, await admin.request(`${ui}/useraccountUpdate.aspx`,
            { form: { ACTION: "DELETE", useraccount_id: String(id), REQUEST_TOKEN: token } })), "Record Deleted Successfully!");
    }, await signedIn("Temp-pass2"));
    check((await login(new Client(), "temp", "Temp-pass2")).status !== 302, "the deleted account logs in");
}

// A download by a session whose account's password was reset ends that session at the login
// page; the account's new login downloads again.
async function changedAccountsDownloadNothing() {
    const { id } = await addAccount("stale", "Stale-pass1", "2");
    const stale = new Client();
    check((await login(stale, "stale", "Stale-pass1")).status === 302, "stale cannot log in");
    const { ran } = await postUpload(stale, `${ui}/documentAdd.aspx`, "ACTION=ADD&title=stale", "stale.txt", "stale notes");
    const stored = /N'([^']*)'\);?$/.exec(ran.find((line) => /^INSERT INTO document/i.test(line)) || "")?.[1] || "";
    const file = `uploadedData/${stored.split("/").map(encodeURIComponent).join("/")}`;
    check((await stale.request(file)).text === "stale notes", `stale cannot download its upload "${stored}"`);
    expectMessage("the administrator resets stale's password", (await changeAccount(id, "stale", "2", "Stale-pass2")).answer,
        "Record Updated Successfully!");
    const refused = await stale.request(file);
    check(refused.status === 302 && /\/Login\.aspx$/.test(refused.location),
        `a download after a password reset answers ${refused.status} to "${refused.location}"`);
    check((await stale.request(dashBoard)).status === 302, "the session a download ended answers again");
    const renewed = new Client();
    check((await login(renewed, "stale", "Stale-pass2")).status === 302, "stale cannot log in anew");
    check((await renewed.request(file)).text === "stale notes", "stale's new login cannot download its upload");
}

// A password beyond ASCII is stored with every character; a password stored the first way logs
// in and is stored the new way at its next change.
async function passwordsKeepEveryCharacter() {
    const wide = "密码密码密码88";
    const { id, digest } = await addAccount("wide", wide, "3");
    check(digest === storedPassword(wide, id), `the password of wide is stored as ${digest}, not ${storedPassword(wide, id)}`);
    check((await login(new Client(), "wide", wide)).status === 302, "wide cannot log in with its password");
    check((await login(new Client(), "wide", "??????88")).status !== 302, "wide logs in with question marks");

    let veteran = 100;
    while (firstSchemePassword("Veteran-pass1", veteran).includes("\0"))
        ++veteran;
    const escaped = [...firstSchemePassword("Veteran-pass1", veteran)]
        .map((c) => `\\x${c.charCodeAt(0).toString(16).padStart(2, "0")}`).join("");
    runOnDatabase(`INSERT INTO useraccount(useraccount_id, Is_Deleted, username, password, personnel_role_id) ` +
        `VALUES (${veteran}, 'N', 'veteran', E'${escaped}', 3)`);
    const client = new Client();
    check((await login(client, "veteran", "Veteran-pass1")).status === 302, "the account stored the first way cannot log in");
    check((await login(new Client(), "veteran", "Veteran-pass2")).status !== 302, "the account stored the first way logs in with another password");
    const { answer, ran } = await changesOf(() => accountPost(client, passwordPage, {
        ACTION: "UPDATE", username: "veteran", password: "Veteran-pass1", new_password: "Veteran-pass2",
        confirm_password: "Veteran-pass2", personnel_role_id: "3",
    }));
    expectMessage("the first-way account's password change", answer, "Record Updated Successfully!");
    check(ran.length === 1 && ran[0].includes(`password = N'${storedPassword("Veteran-pass2", veteran)}'`),
        `the first-way account's password change ran ${ran.join(" | ")}`);
    check((await client.request(dashBoard)).status === 200, "the session that changed its own password ended");
    check((await login(new Client(), "veteran", "Veteran-pass2")).status === 302, "the changed password does not log in");
    check((await login(new Client(), "veteran", "Veteran-pass1")).status !== 302, "the first-way password still logs in");
    return { id: veteran, digest: storedPassword("Veteran-pass2", veteran), password: "Veteran-pass2" };
}

// The password pages show no stored password, in their fields or their view state.
async function storedPasswordsStayOnTheServer(veteran) {
    const client = new Client();
    check((await login(client, "veteran", veteran.password)).status === 302, "veteran cannot log in");
    for (const [who, page] of [["veteran's password page", await client.request(passwordPage)],
        ["the administrator's page of veteran", await admin.request(`${ui}/useraccountUpdate.aspx?useraccount_id=${veteran.id}`)]]) {
        const fields = hiddenFields(page.text);
        const state = Buffer.from(fields.__VIEWSTATE || "", "base64").toString("latin1");
        for (const form of [veteran.digest, veteran.digest.slice(3)])
            check(!page.text.includes(form) && !state.includes(form), `${who} holds the stored password ${form}`);
        check(/value="veteran"|>veteran<\/textarea>/.test(page.text), `${who} does not show the user name`);
        for (const input of page.text.match(/<input[^>]*type="password"[^>]*>/g) || [])
            check(!/value="[^"]/.test(input), `${who} fills a password field: ${input}`);
    }
}

// A role that holds only a report reaches the report and the Update page its rows link to,
// never the Add page, and acts on no record there.
async function reportsGrantTheirRowsOnly() {
    await addAccount("reader", "Reader-pass1", "4");
    const reader = new Client();
    check((await login(reader, "reader", "Reader-pass1")).status === 302, "the reader cannot log in");
    check((await reader.request(`${ui}/document_Report_report.aspx`)).status === 200, "the reader's report does not answer");
    const rowPage = await reader.request(`${ui}/documentUpdate.aspx?document_id=2`);
    check(rowPage.status === 200 && /value="Marked"/.test(rowPage.text),
        `the Update page that the reader's report links to answers ${rowPage.status}`);
    check(!/UpdateButton|DeleteButton/.test(rowPage.text), "the reader's Update page shows the Update or Delete button");
    const adminPage = await admin.request(`${ui}/documentUpdate.aspx?document_id=2`);
    check(/UpdateButton/.test(adminPage.text) && /DeleteButton/.test(adminPage.text),
        "the administrator's Update page lacks the Update or Delete button");
    const gridButtons = /<input[^>]*value="(Commit|Delete)"/g;
    const orderPage = await reader.request(`${ui}/orderUpdate.aspx?order_basic_id=2`);
    check(orderPage.status === 200 && /order 2/.test(orderPage.text) && /ink updated/.test(orderPage.text),
        `the order's Update page that the reader's report links to answers ${orderPage.status}`);
    check(!orderPage.text.match(gridButtons), "the reader's order Update page shows the Commit or Delete button");
    const adminOrder = (await admin.request(`${ui}/orderUpdate.aspx?order_basic_id=2`)).text;
    check((adminOrder.match(gridButtons) || []).length === 2,
        `the administrator's order Update page shows ${(adminOrder.match(gridButtons) || []).join(", ")}`);
    const token = await reader.token(dashBoard);
    await expectRefused("the reader opens the document's Add page", () => reader.request(`${ui}/documentAdd.aspx`));
    await expectRefused("the reader adds a document", () => reader.request(`${ui}/documentAdd.aspx`,
        { form: { ACTION: "ADD", title: "reader's", REQUEST_TOKEN: token } }));
    await expectRefused("the reader adds an order", () => reader.request(`${ui}/orderAdd.aspx`,
        { form: { ACTION: "ADD", note: "reader's", inp1: "1", item1: "x", document_id1: "null", REQUEST_TOKEN: token } }));
    for (const action of ["UPDATE", "DELETE"]) {
        await expectRefused(`the reader's ${action} through the Update page its report links to`,
            () => reader.request(`${ui}/documentUpdate.aspx`,
                { form: { ACTION: action, document_id: "2", title: "reader's", REQUEST_TOKEN: token } }));
        await expectRefused(`the reader's ${action} through the order's Update page`,
            () => reader.request(`${ui}/orderUpdate.aspx`, {
                form: { ACTION: action, order_basic_id: "2", note: "reader's", inp1: "1", id1: "2", item1: "x", document_id1: "null", REQUEST_TOKEN: token },
            }));
    }
}

// Records that are gone are neither updated nor deleted, and the pages say so; a combo value
// that a page never offered is refused.
async function goneRecordsSaySo() {
    const page = await admin.request(`${ui}/documentUpdate.aspx?document_id=2`);
    for (const [what, key] of [["deleted", "1"], ["missing", "9999"]]) {
        const form = new FormData();
        for (const [name, value] of Object.entries(hiddenFields(page.text)))
            form.append(name, name.endsWith("$document_id") ? key : value);
        form.append("ACTION", "UPDATE");
        form.append("title", "revived");
        form.append("ctl00$KestraneWeavoContent$title", "revived");
        const { answer, ran } = await changesOf(() => admin.request(`${ui}/documentUpdate.aspx`, { body: form }));
        const shown = pageMessage(answer.text);
        check(answer.status === 200 && ran.length === 0 && shown === "Can not Update Record!" &&
            inputValue(answer.text, "ctl00$KestraneWeavoContent$title") === "revived",
        `an update of a ${what} document: ${answer.status}, "${shown}", ran ${ran.join(" | ")}`);
    }
    const token = await admin.token(`${ui}/documentAdd.aspx`);
    const removed = await changesOf(() => admin.request(`${ui}/documentUpdate.aspx`,
        { form: { ACTION: "DELETE", document_id: "1", REQUEST_TOKEN: token } }));
    const shown = pageMessage((await admin.request(`${ui}/documentAdd.aspx`)).text);
    check(removed.ran.length === 0 && shown === "Can not Delete Record!",
        `a delete of a deleted document: "${shown}", ran ${removed.ran.join(" | ")}`);
    const missing = await admin.request(`${ui}/useraccountUpdate.aspx?useraccount_id=9999`);
    check(missing.status === 200 && missing.text.includes("The record does not exist."),
        `the account page of a missing account: ${missing.status} ${plainText(missing.text).slice(0, 300)}`);
    const account = await changeAccount(9999, "ghost", "3", "Ghost-pass1");
    expectMessage("an update of a missing account", account.answer, "Can not Update Record!");
    check(account.answer.redirected === "", `an update of a missing account is sent to "${account.answer.redirected}"`);
    check(account.ran.length === 0, `an update of a missing account ran ${account.ran.join(" | ")}`);
    const order = await changesOf(() => admin.request(`${ui}/orderUpdate.aspx`,
        { form: { ACTION: "UPDATE", order_basic_id: "9999", note: "ghost", REQUEST_TOKEN: token } }));
    expectMessage("an update of a missing order", order.answer, "Can not Update Record!");
    check(order.ran.length === 0, `an update of a missing order ran ${order.ran.join(" | ")}`);
    // A detail row's document that the grid never offered, deleted or missing, saves nothing on
    // either page; the document it offers saves.
    for (const [page, form, message] of [
        ["orderAdd.aspx", { ACTION: "ADD", note: "rows of documents" }, "Can not Add Record!"],
        ["orderUpdate.aspx", { ACTION: "UPDATE", order_basic_id: "2", note: "order 2" }, "Can not Update Record!"],
    ]) {
        const post = (document) => changesOf(() => admin.request(`${ui}/${page}`, {
            form: { ...form, inp1: "1", id1: "0", item1: "chosen", document_id1: "2", inp2: "2", id2: "0", item2: "gone", document_id2: document, REQUEST_TOKEN: token },
        }));
        for (const document of ["1", "9999"]) {
            const { answer, ran } = await post(document);
            expectMessage(`${page}'s row of document ${document}`, answer, message);
            check(ran.length === 0, `${page}'s row of document ${document} ran ${ran.join(" | ")}`);
        }
        const { ran } = await post("2");
        check(ran.filter((line) => /^INSERT INTO order_detail\(.*document_id.*\) VALUES\(.*\b2\b.*\)/i.test(line)).length === 2,
            `${page}'s rows of document 2 ran ${ran.join(" | ")}`);
    }
    // Role 5 is inactive: its record is deleted.
    for (const role of ["99", "5", "1 or 1=1"]) {
        const { answer, ran } = await changesOf(() => accountPost(admin, `${ui}/useraccountAdd.aspx`,
            { ACTION: "ADD", username: `role${role}`, "ctl00$KestraneWeavoContent$username": `role${role}`, password: "x",
                confirm_password: "x", personnel_role_id: role }));
        // A role that is no number is refused by the page's number rule, naming the field; the
        // refusal stays on the Add page, its user name as typed.
        expectMessage(`an account of role ${role}`, answer,
            /^\d+$/.test(role) ? "Can not Add Record!" : "Please enter valid numeric value for personnel_role_id");
        const kept = fieldText(answer.text, "ctl00$KestraneWeavoContent$username");
        check(ran.length === 0 && answer.redirected === "" && kept === `role${role}`,
            `an account of role ${role} ran ${ran.join(" | ")}, sent to "${answer.redirected}", its user name "${kept}"`);
    }
}

// The footer names the session's account; the password page keeps the stored role; a post of
// more detail rows than a grid holds is refused at once; pages are not framed by other sites.
async function smallerLeaksClosed() {
    const clerk = new Client();
    check((await login(clerk, "clerk", passwords.clerk)).status === 302, "the clerk cannot log in once more");
    clerk.cookies.set("login_username", "Mallory");
    const footer = /Signed in as ([^<]*)</.exec((await clerk.request(dashBoard)).text)?.[1] || "";
    check(footer === "clerk", `the footer names "${footer}"`);
    const promoted = await changesOf(() => accountPost(clerk, passwordPage, {
        ACTION: "UPDATE", username: "clerk", password: passwords.clerk, new_password: "Clerk-pass3",
        confirm_password: "Clerk-pass3", personnel_role_id: "1",
    }));
    expectMessage("the clerk's password change with the administrator's role", promoted.answer, "Record Updated Successfully!");
    check(promoted.ran.length === 1 && /personnel_role_id = 3\b/.test(promoted.ran[0]),
        `the clerk's password change with the administrator's role ran ${promoted.ran.join(" | ")}`);
    passwords.clerk = "Clerk-pass3";
    await expectRefused("the clerk opens the account list after its password change",
        () => clerk.request(`${ui}/useraccount_Report_report.aspx`));

    const rows = { ACTION: "ADD", note: "crowded", REQUEST_TOKEN: await admin.token(`${ui}/orderAdd.aspx`) };
    for (let row = 1; row <= 5000; ++row)
        Object.assign(rows, { [`inp${row}`]: String(row), [`item${row}`]: `item ${row}` });
    const started = Date.now();
    const crowded = await changesOf(() => admin.request(`${ui}/orderAdd.aspx`, { form: rows }));
    expectMessage("an order of 5000 rows", crowded.answer, "A page holds at most 200 detail rows.");
    check(crowded.ran.length === 0 && Date.now() - started < 5000,
        `an order of 5000 rows took ${Date.now() - started} ms and ran ${crowded.ran.length} statements`);

    const cookie = [...admin.cookies].map(([k, v]) => `${k}=${v}`).join("; ");
    for (const page of [`${ui}/Login.aspx`, dashBoard, `${ui}/documentAdd.aspx`, `${ui}/orderAdd.aspx`]) {
        const answer = await fetch(`${base}/${page}`, { headers: page.endsWith("Login.aspx") ? {} : { Cookie: cookie }, redirect: "manual" });
        check(answer.status === 200 && answer.headers.get("x-frame-options") === "SAMEORIGIN",
            `${page} answers ${answer.status} with X-Frame-Options "${answer.headers.get("x-frame-options")}"`);
    }
}

// In Chromium: the account with a password beyond ASCII logs in; the reader opens its report
// and, by a row's link, the Update page of a document.
async function accountsInTheBrowser() {
    const browser = await launchChromium();
    try {
        const problems = [];
        const signedIn = async (user, password) =>
            loggedInTab(await browser.browser.createBrowserContext(), problems, user, password);
        const wide = await signedIn("wide", "密码密码密码88");
        check(wide.url().endsWith("/Project_Dashboard.aspx"), `wide's login in Chromium ends at ${wide.url()}`);
        const reader = await signedIn("reader", "Reader-pass1");
        // The report shows its rows; the reader follows the link that the selector finds.
        const followRowLink = async (report, link) => {
            await reader.goto(`${base}/${ui}/${report}`, { waitUntil: "networkidle0" });
            await reader.evaluate(() => HandleAction("SHOW"));
            const rowLink = `#ctl00_KestraneWeavoContent_reportDiv table a[href${link}]`;
            await reader.waitForSelector(rowLink, { timeout: 15000 });
            await reader.waitForNetworkIdle();
            await Promise.all([reader.waitForNavigation({ waitUntil: "networkidle0", timeout: 15000 }), reader.click(rowLink)]);
        };
        await followRowLink("document_Report_report.aspx", "*='documentUpdate.aspx'");
        const title = await reader.$eval("#ctl00_KestraneWeavoContent_title", (control) => control.value).catch(() => "");
        check(reader.url().includes("documentUpdate.aspx") && title !== "",
            `the reader's row link leads to ${reader.url()} showing "${title}"`);
        await settledScreenshot(reader, `${shots}-ReaderRow.png`);
        await followRowLink("order_basic_Report_report.aspx", "$='orderUpdate.aspx?order_basic_id=2'");
        const grid = await reader.$$eval("input", (inputs) => inputs.map((input) => input.value));
        check(reader.url().includes("orderUpdate.aspx") && grid.includes("ink updated") &&
            !grid.includes("Commit") && !grid.includes("Delete"),
        `the reader's order row link leads to ${reader.url()} showing ${grid.join(", ")}`);
        // The RDLC report's role opens its report; the view-only role sees the order's rows
        // without a box that adds or deletes one.
        const printer = await signedIn("printer", "Printer-pass1");
        await printer.goto(`${base}/${ui}/document_rdlc_report.aspx`, { waitUntil: "networkidle0" });
        check(printer.url().endsWith("/document_rdlc_report.aspx") && (await printer.$("#Print")) !== null,
            `the printer's report in Chromium is ${printer.url()}`);
        await settledScreenshot(printer, `${shots}-PrinterReport.png`);
        const viewer = await signedIn("viewer", "null");
        await viewer.goto(`${base}/${ui}/orderUpdate.aspx?order_basic_id=2`, { waitUntil: "networkidle0" });
        const inputs = await viewer.$$eval("input", (all) => all.map((input) => `${input.type}:${input.value}`));
        check(inputs.includes("text:ink updated") && !inputs.some((input) => /^checkbox:|Add New Row/.test(input)),
            `the viewer's order page in Chromium shows ${inputs.join(", ")}`);
        await settledScreenshot(viewer, `${shots}-ViewerOrder.png`);
        failures.push(...problems.map((problem) => `in Chromium, accounts: ${problem}`));
    } catch (error) {
        failures.push(`in Chromium, accounts: ${error.stack || error}`);
    } finally {
        await browser.close();
    }
}

// The view-only role, the RDLC report's role, detail rows past a gap or the cap, passwords
// empty or "null", upload names longer than their column, error pages and unsent prints.
async function secondRoundRefused() {
    const viewer = await addAccount("viewer", "Viewer-pass1", "6");
    const printer = await addAccount("printer", "Printer-pass1", "7");
    check(viewer.id > 0 && printer.id > 0, "the viewer's or the printer's account was not added");

    // The RDLC report's role opens and prints its report, and nothing of the form.
    const printing = new Client();
    check((await login(printing, "printer", "Printer-pass1")).status === 302, "the printer cannot log in");
    const report = await printing.request(`${ui}/document_rdlc_report.aspx`);
    check(report.status === 200, `the printer's report answers ${report.status}`);
    const token = await printing.token(`${ui}/document_rdlc_report.aspx`);
    for (const [what, page, form] of [
        ["opens the Add page", "documentAdd.aspx", null],
        ["opens the Update page", "documentUpdate.aspx?document_id=2", null],
        ["adds a document", "documentAdd.aspx", { ACTION: "ADD", title: "printed", REQUEST_TOKEN: token }],
        ["deletes a document", "documentUpdate.aspx", { ACTION: "DELETE", document_id: "2", REQUEST_TOKEN: token }],
    ])
        await expectRefused(`the printer ${what}`, () => printing.request(`${ui}/${page}`, form ? { form } : {}));
    let upload = "";
    for (const folder of filesIn("uploadedData").filter((name) => name !== "web.config")) {
        const file = `uploadedData/${folder}/${encodeURIComponent(filesIn("uploadedData", folder)[0] || "")}`;
        if (upload === "" && (await admin.request(file)).status === 200)
            upload = file;
    }
    check(upload !== "", "the administrator downloads no upload");
    await expectRefused("the printer downloads a document's upload", () => printing.request(upload), refusal, true);
    const printPage = await printing.request(`${ui}/document_rdlc_report_Print.aspx`);
    const source = /<embed id="printdoc" src="([^"]*)"/.exec(printPage.text)?.[1] || "";
    const printed = await printing.request(`${ui}/${source}`);
    check(source !== "" && printed.status === 200 && printed.text.startsWith("%PDF-"),
        `the printer's print answers ${printed.status}: "${source}"`);

    // A print left unfetched goes on the next request of a print page.
    const stale = applicationFile("App_Data", "PrintedReports", "unfetched");
    fs.mkdirSync(path.dirname(stale), { recursive: true });
    fs.writeFileSync(stale, "%PDF-");
    fs.utimesSync(stale, new Date(Date.now() - 3600000), new Date(Date.now() - 3600000));
    await new Client().request(`${ui}/document_rdlc_report_Print.aspx`);
    check(!fs.existsSync(stale), "an unfetched printed report stays after a request of the print page");

    // Detail rows: the cap counts rows by any field, a gap ends the rows that are checked and saved.
    const orderToken = await admin.token(`${ui}/orderUpdate.aspx?order_basic_id=2`);
    const update = { ACTION: "UPDATE", order_basic_id: "2", note: "order 2", REQUEST_TOKEN: orderToken };
    const crowded = { ...update };
    for (let row = 1; row <= 5000; ++row)
        Object.assign(crowded, { [`id${row}`]: "0", [`delete${row}`]: "on" });
    const mixed = { ...update, inp1: "1", id1: "0", item1: "one", document_id1: "null" };
    for (let row = 2; row <= 201; ++row)
        mixed[`document_id${row}`] = "2";
    for (const [what, form] of [["5000 id and delete rows", crowded], ["rows named by their combo only", mixed]]) {
        const started = Date.now();
        const { answer, ran } = await changesOf(() => admin.request(`${ui}/orderUpdate.aspx`, { form }));
        expectMessage(`an order update of ${what}`, answer, "A page holds at most 200 detail rows.");
        check(ran.length === 0 && Date.now() - started < 5000, `an order update of ${what} took ${Date.now() - started} ms, ran ${ran.join(" | ")}`);
    }
    // Rows past a gap are not dropped under a success: the whole save is refused.
    for (const document of ["1", "9999"]) {
        const { answer, ran } = await changesOf(() => admin.request(`${ui}/orderUpdate.aspx`, {
            form: { ...update, inp1: "1", id1: "0", item1: "kept", document_id1: "2", id2: "0", inp3: "3", id3: "0", item3: "gap", document_id3: document },
        }));
        expectMessage(`rows past a gap with document ${document}`, answer,
            "The detail rows were not sent numbered 1, 2, 3 and so on, each once: nothing was saved.");
        check(ran.length === 0, `rows past a gap with document ${document} ran ${ran.join(" | ")}`);
    }
    const full = { ACTION: "ADD", note: "full", REQUEST_TOKEN: await admin.token(`${ui}/orderAdd.aspx`) };
    for (let row = 1; row <= 200; ++row)
        Object.assign(full, { [`inp${row}`]: String(row), [`id${row}`]: "0", [`item${row}`]: `row ${row}`, [`document_id${row}`]: "2" });
    const saved = await changesOf(() => admin.request(`${ui}/orderAdd.aspx`, { form: full }));
    const savedRows = saved.ran.filter((line) => /^INSERT INTO order_detail/i.test(line)).length;
    check(saved.answer.status === 200 && savedRows === 200 && !saved.answer.text.includes("at most 200"),
        `an order of 200 rows answers ${saved.answer.status} and inserted ${savedRows} rows: ${plainText(saved.answer.text)}`);

    // Passwords: none is refused with the script's text, "null" is hashed like any other and a
    // change to it takes.
    for (const [form, message] of [[{ password: "", confirm_password: "" }, "Please enter Password"], [{}, "The form did not send Password."]]) {
        const { answer, ran } = await changesOf(() => accountPost(admin, `${ui}/useraccountAdd.aspx`,
            { ACTION: "ADD", username: "blank", personnel_role_id: "3", ...form }));
        expectMessage(`an account without a password (${Object.keys(form).length} fields)`, answer, message);
        check(ran.length === 0, `an account without a password ran ${ran.join(" | ")}`);
    }
    check((await login(new Client(), "blank", "null")).status !== 302, "an account without a password logs in with \"null\"");
    const nullAccount = await addAccount("nullish", "null", "3");
    check(nullAccount.digest === storedPassword("null", nullAccount.id), `the password "null" is stored as "${nullAccount.digest}"`);
    check((await login(new Client(), "nullish", "null")).status === 302, "nullish cannot log in with its password");
    check((await login(new Client(), "nullish", "")).status !== 302, "nullish logs in without its password");
    const own = new Client();
    await login(own, "viewer", "Viewer-pass1");
    const changed = await changesOf(() => accountPost(own, passwordPage, {
        ACTION: "UPDATE", username: "viewer", password: "Viewer-pass1", new_password: "null", confirm_password: "null",
        personnel_role_id: "6",
    }));
    expectMessage("the viewer's change to \"null\"", changed.answer, "Record Updated Successfully!");
    check(changed.ran.length === 1 && changed.ran[0].includes(`password = N'${storedPassword("null", viewer.id)}'`),
        `the viewer's change to "null" ran ${changed.ran.join(" | ")}`);
    check((await login(new Client(), "viewer", "null")).status === 302, "the viewer cannot log in with its new password");

    // An upload name that its column cannot hold with its folder.
    const editor = new Client();
    await login(editor, "editor", passwords.editor);
    const folders = filesIn("uploadedData").length;
    const long = await postUpload(editor, `${ui}/documentAdd.aspx`, "ACTION=ADD&title=long", `${"n".repeat(150)}.txt`, "long name");
    check(long.answer.status === 200 && long.ran.length === 0 && filesIn("uploadedData").length === folders,
        `an upload name of 154 characters answers ${long.answer.status}, ran ${long.ran.join(" | ")}`);
    check(pageMessage(long.answer.text) ===
        "The file was not uploaded: its name is missing, made of dots only or too long.", "the long upload name's message");

    // Error pages are not framed either.
    for (const [what, page, post] of [["a missing page", `${ui}/missing.aspx`], ["a forbidden type", "Guard.csproj.user"],
        ["a refused request", `${ui}/Login.aspx`, { method: "POST", body: new URLSearchParams({ __VIEWSTATE: "forged" }) }]]) {
        const answer = await fetch(`${base}/${page}`, { redirect: "manual", ...post });
        check(answer.status >= 400 && answer.headers.get("x-frame-options") === "SAMEORIGIN",
            `${what} answers ${answer.status} with X-Frame-Options "${answer.headers.get("x-frame-options")}"`);
    }

    // The view-only role's grid has no box that adds or deletes a row.
    const viewing = new Client();
    await login(viewing, "viewer", "null");
    const viewed = (await viewing.request(`${ui}/orderUpdate.aspx?order_basic_id=2`)).text;
    check(!/Add New Row|name="delete\d+"|Delete Row/.test(viewed) && /value="ink updated"/.test(viewed),
        "the viewer's order page shows a box that adds or deletes a row");
    const adminView = (await admin.request(`${ui}/orderUpdate.aspx?order_basic_id=2`)).text;
    check(/Add New Row/.test(adminView) && /name="delete1"/.test(adminView), "the administrator's order page lost its row boxes");
}

await changedAccountsEndTheirSessions();
await changedAccountsDownloadNothing();
const veteran = await passwordsKeepEveryCharacter();
await storedPasswordsStayOnTheServer(veteran);
await reportsGrantTheirRowsOnly();
await goneRecordsSaySo();
await smallerLeaksClosed();
await secondRoundRefused();
await accountsInTheBrowser();
await recordsKeepTheirOwnFilesAndRows();
await savesAtOnceAndUploadsHold();
await savesAreWholeAndNamesStorable();
await refusedUpdatesStayOnTheirRecords();
await controlCharactersInUploadNamesAreRefused();
await longAccountsLogInAndChangeTheirPasswords();

for (const failure of failures)
    console.log(failure);
console.log(`${failures.length} failures`);
process.exit(Math.min(failures.length, 100));

// The stored file name an update keeps is its record's own, whatever page was posted; a deleted
// record's file is sent to nobody; a role that only views a record sees its file's name and link
// and no file input; no page stays in the browser after logout; a record's detail rows stay
// within the cap over any number of posts, and one that holds more saves without new rows;
// posted values are read from the form alone.
async function recordsKeepTheirOwnFilesAndRows() {
    const editor = new Client();
    await login(editor, "editor", passwords.editor);
    const add = `${ui}/documentAdd.aspx`;
    const storedOf = (ran) => /N'([^']*)'\);?$/.exec(ran.find((line) => /^INSERT INTO document/i.test(line)) || "")?.[1] || "";
    const fileOf = (stored) => `uploadedData/${stored.split("/").map(encodeURIComponent).join("/")}`;
    const own = storedOf((await postUpload(editor, add, "ACTION=ADD&title=own", "own.txt", "own notes")).ran);
    const other = storedOf((await postUpload(editor, add, "ACTION=ADD&title=other", "other.txt", "other notes",
        "title=elsewhere")).ran);
    const idOf = (title) => runOnDatabase(`SELECT document_id FROM document WHERE title = '${title}'`);
    const [ownId, otherId] = [idOf("own"), idOf("other")];
    check(own !== "" && other !== "" && /^\d+$/.test(ownId) && /^\d+$/.test(otherId) && idOf("elsewhere") === "",
        `the documents own (${ownId}, "${own}") and other (${otherId}, "${other}") were not added from their forms`);

    // Another record's page posted as an update of this one keeps this one's file.
    const page = await editor.request(`${ui}/documentUpdate.aspx?document_id=${otherId}`);
    const form = new FormData();
    for (const [name, value] of Object.entries(hiddenFields(page.text)))
        form.append(name, name.endsWith("$document_id") ? ownId : value);
    form.append("ACTION", "UPDATE");
    form.append("title", "own kept");
    form.append("ctl00$KestraneWeavoContent$scan", new Blob([]), "none.txt");
    const moved = await changesOf(() => editor.request(`${ui}/documentUpdate.aspx`, { body: form }));
    check(moved.ran.length === 1 && moved.ran[0].includes(`scan = N'${own}'`) && moved.ran[0].includes("title = N'own kept'") &&
        moved.ran[0].endsWith(`document_id = ${ownId}`),
    `other's page posted as own's update: ${moved.answer.status} to "${moved.answer.location}", ran ${moved.ran.join(" | ")}`);

    // A view-only role sees the file's name and link, and no file input.
    const reader = new Client();
    await login(reader, "reader", "Reader-pass1");
    const link = `<a href="../../uploadedData/${own}">own.txt</a>`;
    const viewed = (await reader.request(`${ui}/documentUpdate.aspx?document_id=${ownId}`)).text;
    check(viewed.includes(link) && !/type="file"/.test(viewed), `the reader's page of own: ${plainText(viewed).slice(0, 300)}`);
    const edited = (await editor.request(`${ui}/documentUpdate.aspx?document_id=${ownId}`)).text;
    check(edited.includes(link) && /type="file"/.test(edited), "the editor's page of own lacks the file's link or input");
    check((await reader.request(fileOf(own))).text === "own notes", "the reader cannot download own's file by its link");

    // A deleted record's file answers no one; a live one's still does.
    check((await reader.request(fileOf(other))).text === "other notes", "other's file does not download before its delete");
    const token = await editor.token(`${ui}/documentUpdate.aspx?document_id=${otherId}`);
    const removed = await changesOf(() => editor.request(`${ui}/documentUpdate.aspx`,
        { form: { ACTION: "DELETE", document_id: otherId, REQUEST_TOKEN: token } }));
    check(removed.ran.length === 1 && removed.ran[0].endsWith(`document_id = ${otherId}`), `other's delete ran ${removed.ran.join(" | ")}`);
    for (const [who, client] of [["the editor", editor], ["the administrator", admin], ["the reader", reader]]) {
        const { answer, ran } = await changesOf(() => client.request(fileOf(other)));
        check(answer.status === 302 && refusal.test(answer.location) && ran.length === 0,
            `${who} downloads a deleted document's file: ${answer.status} to "${answer.location}", ran ${ran.join(" | ")}`);
    }
    check((await editor.request(fileOf(own))).text === "own notes", "own's file does not download after other's delete");

    // Pages behind the login are not stored; for each role, Back after logout reaches the login
    // page and shows no record.
    const cached = await fetch(`${base}/${ui}/documentUpdate.aspx?document_id=${ownId}`, { headers: { Cookie: cookiesOf(editor) }, redirect: "manual" });
    check(cached.status === 200 && /no-store/.test(cached.headers.get("cache-control") || ""),
        `the editor's page answers ${cached.status} with Cache-Control "${cached.headers.get("cache-control")}"`);
    const browser = await launchChromium();
    try {
        const problems = [];
        for (const [user, password, page, shown] of [
            ["admin", passwords.admin, `useraccountUpdate.aspx?useraccount_id=1`, "admin"],
            ["editor", passwords.editor, `documentUpdate.aspx?document_id=${ownId}`, "own kept"],
            ["clerk", passwords.clerk, "ChangePassword_formUpdate.aspx", "clerk"],
            ["reader", "Reader-pass1", `documentUpdate.aspx?document_id=${ownId}`, "own kept"],
            ["viewer", "null", "orderUpdate.aspx?order_basic_id=2", "order 2"],
            ["printer", "Printer-pass1", "document_rdlc_report.aspx", ""],
        ]) {
            const tab = await loggedInTab(await browser.browser.createBrowserContext(), problems, user, password);
            await tab.goto(`${base}/${ui}/${page}`, { waitUntil: "networkidle0" });
            const values = () => tab.$$eval("input, textarea", (inputs) => inputs.map((input) => input.value)).catch(() => []);
            check(tab.url().endsWith(page) && (shown === "" || (await values()).includes(shown)),
                `the ${user}'s page ${page} is ${tab.url()} showing ${(await values()).join(", ")}`);
            const logout = await tab.$$eval("a", (links) => links.some((link) => link.textContent === "Logout"));
            await Promise.all([tab.waitForNavigation({ waitUntil: "networkidle0" }), logout
                ? tab.evaluate(() => [...document.querySelectorAll("a")].find((link) => link.textContent === "Logout").click())
                : tab.evaluate((login) => { location.href = login; }, `${base}/${ui}/Login.aspx`)]);
            check(tab.url().endsWith("/Login.aspx"), `the ${user}'s logout ends at ${tab.url()}`);
            await tab.goBack({ waitUntil: "networkidle0" });
            check(tab.url().includes("/Login.aspx") && (shown === "" || !(await values()).includes(shown)),
                `Back after the ${user}'s logout shows ${tab.url()} with ${(await values()).join(", ")}`);
            if (user === "editor")
                await settledScreenshot(tab, `${shots}-BackAfterLogout.png`);
        }
        failures.push(...problems.map((problem) => `in Chromium, Back after logout: ${problem}`));
    } catch (error) {
        failures.push(`in Chromium, Back after logout: ${error.stack || error}`);
    } finally {
        await browser.close();
    }

    // The cap counts the rows the record holds after the post.
    const orderToken = await admin.token(`${ui}/orderAdd.aspx`);
    const rows = (first, count, document = {}) => {
        const posted = {};
        for (let n = 1; n <= count; ++n)
            Object.assign(posted, { [`inp${n}`]: String(n), [`id${n}`]: "0", [`item${n}`]: `row ${first + n}`, [`document_id${n}`]: "null", ...document });
        return posted;
    };
    const inserted = (ran) => ran.filter((line) => /^INSERT INTO order_detail/i.test(line)).length;
    const added = await changesOf(() => admin.request(`${ui}/orderAdd.aspx`,
        { form: { ACTION: "ADD", note: "capped", ...rows(0, 150), REQUEST_TOKEN: orderToken } }));
    const orderId = runOnDatabase("SELECT order_basic_id FROM order_basic WHERE note = 'capped'");
    check(inserted(added.ran) === 150 && /^\d+$/.test(orderId), `an order of 150 rows inserted ${inserted(added.ran)} rows`);
    const update = (posted) => changesOf(() => admin.request(`${ui}/orderUpdate.aspx`,
        { form: { ACTION: "UPDATE", order_basic_id: orderId, note: "capped", REQUEST_TOKEN: orderToken, ...posted } }));
    const again = await update(rows(150, 150));
    expectMessage("150 more rows of an order of 150", again.answer, "A page holds at most 200 detail rows.");
    check(again.ran.length === 0, `150 more rows of an order of 150 ran ${again.ran.length} statements`);
    check(inserted((await update(rows(150, 50))).ran) === 50, "50 more rows of an order of 150 were not inserted");
    runOnDatabase(`INSERT INTO order_detail(order_id, item) SELECT ${orderId}, 'old ' || n FROM generate_series(1, 100) n`);
    const stored = runOnDatabase(`SELECT order_detail_id FROM order_detail WHERE order_id = ${orderId} ORDER BY order_detail_id`).split("\n");
    const kept = {};
    stored.forEach((id, n) => Object.assign(kept, { [`inp${n + 1}`]: String(n + 1), [`id${n + 1}`]: id, [`item${n + 1}`]: `kept ${n + 1}`, [`document_id${n + 1}`]: "null" }));
    const saved = await update(kept);
    check(stored.length === 300 && saved.ran.filter((line) => /^UPDATE order_detail SET item = N'kept/i.test(line)).length === 300,
        `an order of ${stored.length} rows saved without new rows ran ${saved.ran.length} statements: ${plainText(saved.answer.text).slice(0, 200)}`);
    const grown = await update({ ...kept, inp301: "301", id301: "0", item301: "one more", document_id301: "null" });
    expectMessage("a new row of an order of 300", grown.answer, "A page holds at most 200 detail rows.");
    check(grown.ran.length === 0, `a new row of an order of 300 ran ${grown.ran.length} statements`);

    // A row number in both the address and the form: the form's alone is read.
    const joined = await changesOf(() => admin.request(`${ui}/orderAdd.aspx?inp1=1&document_id1=2`,
        { form: { ACTION: "ADD", note: "joined", inp1: "1", id1: "0", item1: "joined", document_id1: "2", REQUEST_TOKEN: orderToken } }));
    check(joined.ran.some((line) => /^INSERT INTO order_detail\(.*document_id.*\) VALUES\(.*\b2\b.*'joined'|^INSERT INTO order_detail\(.*document_id.*\) VALUES\(.*'joined'.*\b2\b/i.test(line)),
        `a row posted in the address and the form ran ${joined.ran.join(" | ")}`);
}

// Clients logged in as the user, one session each.
async function sessionsOf(user, password, count) {
    const clients = [];
    for (let n = 0; n < count; ++n) {
        const client = new Client();
        check((await login(client, user, password)).status === 302, `${user} cannot log in a session ${n + 1}`);
        clients.push(client);
    }
    return clients;
}

// Two sessions adding rows to one order at once keep within the cap; admins adding one user name
// at once leave one account; every script mapping of the server is refused as an upload, whatever
// its case or trailing dots and blanks; an upload too large, sent from the Update page in
// Chromium, returns to its record. The posts that race are each made ready first and sent
// together.
async function savesAtOnceAndUploadsHold() {
    const [first, second] = await sessionsOf("admin", passwords.admin, 2);
    const addToken = await first.token(`${ui}/orderAdd.aspx`);
    await first.request(`${ui}/orderAdd.aspx`,
        { form: { ACTION: "ADD", note: "contended", inp1: "1", id1: "0", item1: "first row", document_id1: "null", REQUEST_TOKEN: addToken } });
    const orderId = runOnDatabase("SELECT order_basic_id FROM order_basic WHERE note = 'contended'");
    const rowPosts = await Promise.all([first, second].map(async (client, session) => {
        const form = { ACTION: "UPDATE", order_basic_id: orderId, note: "contended",
            REQUEST_TOKEN: await client.token(`${ui}/orderUpdate.aspx?order_basic_id=${orderId}`) };
        for (let n = 1; n <= 150; ++n)
            Object.assign(form, { [`inp${n}`]: String(n), [`id${n}`]: "0", [`item${n}`]: `session ${session} row ${n}`, [`document_id${n}`]: "null" });
        return form;
    }));
    const rowAnswers = await Promise.all([first, second].map((client, session) =>
        client.request(`${ui}/orderUpdate.aspx`, { form: rowPosts[session] })));
    const held = runOnDatabase(`SELECT COUNT(*) FROM order_detail WHERE order_id = ${orderId}`);
    const capped = rowAnswers.filter((answer) => answer.text.includes("A page holds at most 200 detail rows.")).length;
    check(/^\d+$/.test(orderId) && held === "151" && capped === 1,
        `two sessions adding 150 rows at once to an order of 1 leave ${held} rows, ${capped} refused`);

    const admins = await sessionsOf("admin", passwords.admin, 6);
    const accountForms = await Promise.all(admins.map((client, n) => pageForm(client, `${ui}/useraccountAdd.aspx`, {
        ACTION: "ADD", username: "twin", password: `Twin-pass${n}`, confirm_password: `Twin-pass${n}`, personnel_role_id: "3",
    }, avatarInput)));
    const accountPosts = await Promise.all(admins.map((client, n) =>
        client.request(`${ui}/useraccountAdd.aspx`, { body: accountForms[n] })));
    const accountAnswers = [];
    for (const [n, answer] of accountPosts.entries())
        accountAnswers.push(await shownAfter(admins[n], answer));
    const live = runOnDatabase("SELECT COUNT(*) FROM useraccount WHERE username = 'twin' AND Is_Deleted = 'N'");
    const messages = accountAnswers.map((answer) => (answer.status === 200 ? /Record Added Successfully!|Can not Add Record!/.exec(answer.text)?.[0] : "") || `${answer.status}`);
    const added = messages.indexOf("Record Added Successfully!");
    check(live === "1" && messages.filter((message) => message === "Can not Add Record!").length === 5 && added >= 0,
        `six admins adding "twin" at once leave ${live} accounts: ${messages.join(" | ")}`);
    check(added >= 0 && (await login(new Client(), "twin", `Twin-pass${added}`)).status === 302, "the added twin cannot log in");

    const editor = new Client();
    await login(editor, "editor", passwords.editor);
    for (const name of ["global.asa", "index.cdx", "INDEX.CDX", "x.cdx.", "page.stm", "query.idc", "page.Stm. .", "view.cshtml",
        "part.shtm", "old.htr"]) {
        const { answer, ran } = await postUpload(editor, `${ui}/documentAdd.aspx`, "ACTION=ADD&title=mapped", name, "<% %>");
        const shown = pageMessage(answer.text);
        check(answer.status === 200 && ran.length === 0 && shown.endsWith("was not uploaded: files of this type are not accepted."),
            `the upload "${name}": ${answer.status}, "${shown}", ran ${ran.join(" | ")}`);
    }

    const roomy = await postUpload(editor, `${ui}/documentAdd.aspx`, "ACTION=ADD&title=roomy", "roomy.txt", "roomy notes");
    const roomyId = runOnDatabase("SELECT document_id FROM document WHERE title = 'roomy'");
    check(roomy.ran.length > 0 && /^\d+$/.test(roomyId), `the document roomy was not added: ${roomy.ran.join(" | ")}`);
    const big = path.join(os.tmpdir(), `weavo-big-${process.pid}.txt`);
    fs.writeFileSync(big, "x".repeat(5 * 1024 * 1024));
    const browser = await launchChromium();
    try {
        const problems = [];
        const tab = await loggedInTab(browser.browser, problems, "editor", passwords.editor);
        const page = `documentUpdate.aspx?document_id=${roomyId}`;
        await tab.goto(`${base}/${ui}/${page}`, { waitUntil: "networkidle0" });
        await (await tab.$("#ctl00_KestraneWeavoContent_scan")).uploadFile(big);
        await Promise.all([tab.waitForNavigation({ waitUntil: "networkidle0", timeout: 30000 }),
            tab.click("#ctl00_KestraneWeavoContent_UpdateButton")]);
        const shown = await tab.evaluate(() => ({
            message: document.getElementById("ctl00_KestraneWeavoContent_MessageLabel")?.textContent || "",
            title: document.getElementById("ctl00_KestraneWeavoContent_title")?.value || "",
        }));
        check(tab.url().endsWith(`/${page}`) && shown.title === "roomy" &&
            shown.message === "The file was not uploaded: it is larger than the site accepts.",
        `an upload too large from the Update page lands on ${tab.url()} showing "${shown.title}", "${shown.message}"`);
        await settledScreenshot(tab, `${shots}-OversizedUpload.png`);
        failures.push(...problems.map((problem) => `in Chromium, an upload too large: ${problem}`));
    } catch (error) {
        failures.push(`in Chromium, an upload too large: ${error.stack || error}`);
    } finally {
        await browser.close();
        fs.rmSync(big, { force: true });
    }
}

// The order's note and its rows' items in order, as stored.
function orderState(orderId) {
    return runOnDatabase(`SELECT note || ': ' || COALESCE((SELECT string_agg(item, ', ' ORDER BY order_detail_id) ` +
        `FROM order_detail WHERE order_id = ${orderId}), '') FROM order_basic WHERE order_basic_id = ${orderId}`);
}

// A master-detail save is whole: one that names a row another session deleted while its page
// still showed it (in Chromium), or a row of another order, keeps nothing and says so. A save of
// the ship pages whose detail row fails in the database leaves no new file. Uploads whose short
// names have a mapped extension, devices' names and names ending in a dot or a blank are refused
// with the message on the page itself, on a form's and a master-detail Add page, and in Chromium.
async function savesAreWholeAndNamesStorable() {
    const [first, second] = await sessionsOf("admin", passwords.admin, 2);
    const token = await first.token(`${ui}/orderAdd.aspx`);
    for (const [note, items] of [["whole", ["whole kept", "whole doomed"]], ["elsewhere", ["whole foreign"]]])
        await first.request(`${ui}/orderAdd.aspx`, { form: { ACTION: "ADD", note, REQUEST_TOKEN: token,
            ...Object.fromEntries(items.flatMap((item, n) => [[`inp${n + 1}`, `${n + 1}`], [`id${n + 1}`, "0"], [`item${n + 1}`, item], [`document_id${n + 1}`, "null"]])) } });
    const orderId = runOnDatabase("SELECT order_basic_id FROM order_basic WHERE note = 'whole'");
    const rowOf = (item) => runOnDatabase(`SELECT order_detail_id FROM order_detail WHERE item = '${item}'`);
    const [kept, doomed, foreign] = ["whole kept", "whole doomed", "whole foreign"].map(rowOf);
    check(orderState(orderId) === "whole: whole kept, whole doomed" && /^\d+$/.test(foreign), `the order "whole" holds "${orderState(orderId)}"`);

    const browser = await launchChromium();
    try {
        const problems = [];
        const tab = await loggedInTab(browser.browser, problems, "admin", passwords.admin);
        await tab.goto(`${base}/${ui}/orderUpdate.aspx?order_basic_id=${orderId}`, { waitUntil: "networkidle0" });
        const deleted = await first.request(`${ui}/orderUpdate.aspx`, { form: { ACTION: "UPDATE", order_basic_id: orderId, note: "whole",
            inp1: "1", id1: kept, item1: "whole kept", document_id1: "null", inp2: "2", id2: doomed, item2: "whole doomed", document_id2: "null", delete2: "on", REQUEST_TOKEN: token } });
        check(deleted.status === 200 && orderState(orderId) === "whole: whole kept", `another session's delete of a row left "${orderState(orderId)}": ${plainText(deleted.text).slice(0, 200)}`);
        await tab.evaluate(() => {
            document.getElementById("ctl00_KestraneWeavoContent_note").value = "whole changed";
            for (const [name, value] of [["item1", "kept changed"], ["item2", "doomed changed"]])
                document.getElementsByName(name)[0].value = value;
        });
        // A refused save stays on the page and shows its message.
        await tab.evaluate(() => HandleAction("UPDATE"));
        await tab.waitForFunction(() => /\S/.test(document.getElementById("messageDiv").textContent), { timeout: 15000 });
        const shown = await tab.evaluate(() => [document.getElementById("messageDiv").textContent, location.pathname]);
        check(shown[0].includes("Can not Update Detail Record!") && shown[1].endsWith("orderUpdate.aspx") && orderState(orderId) === "whole: whole kept",
            `a save in Chromium naming a row deleted meanwhile shows "${shown[0]}" on ${shown[1]} and leaves "${orderState(orderId)}"`);
        await settledScreenshot(tab, `${shots}-DeletedRowSave.png`);
        failures.push(...problems.map((problem) => `in Chromium, a save naming a deleted row: ${problem}`));
    } catch (error) {
        failures.push(`in Chromium, a save naming a deleted row: ${error.stack || error}`);
    } finally {
        await browser.close();
    }
    for (const [what, rows, message] of [
        ["the deleted row", { inp2: "2", id2: doomed, item2: "back", document_id2: "null" }, "Can not Update Detail Record!"],
        ["another order's row", { inp2: "2", id2: foreign, item2: "taken", document_id2: "null" }, "Can not Update Detail Record!"],
        ["another order's row deleted", { inp2: "2", id2: foreign, item2: "whole foreign", document_id2: "null", delete2: "on" }, "Can not Delete Detail Record!"],
    ]) {
        const answer = await second.request(`${ui}/orderUpdate.aspx`, { form: { ACTION: "UPDATE", order_basic_id: orderId,
            note: "changed", inp1: "1", id1: kept, item1: "changed", document_id1: "null", ...rows, inp3: "3", id3: "0", item3: "new row", document_id3: "null",
            REQUEST_TOKEN: await second.token(`${ui}/orderUpdate.aspx?order_basic_id=${orderId}`) } });
        expectMessage(`a save naming ${what}`, answer, message);
        check(orderState(orderId) === "whole: whole kept" && rowOf("whole foreign") === foreign,
            `a save naming ${what} leaves "${orderState(orderId)}", the foreign row ${rowOf("whole foreign")}`);
    }

    const editor = new Client();
    await login(editor, "editor", passwords.editor);
    const mapped = (name) => `The file ${name} was not uploaded: files of this type are not accepted.`;
    const unstorable = (name) => `The file ${name} was not uploaded: the server cannot store a file of this name.`;
    const names = [...["x9.aspq", "x9.asa_", "x9.cerx", "x9.idcx"].map((name) => [name, mapped(name)]),
        ...["CON", "con.jpg", "NUL.txt", "COM1.jpg", "LPT1", "aux.txt", "CONIN$", "x9.txt."].map((name) => [name, unstorable(name)])];
    for (const [client, page, fields] of [[editor, `${ui}/documentAdd.aspx`, "ACTION=ADD&title=aliased"],
        [admin, `${ui}/shipAdd.aspx`, "ACTION=ADD&note=aliased&inp1=1&id1=0&item1=row"]]) {
        for (const [name, message] of names) {
            const { answer, ran } = await postUpload(client, page, fields, name, "<% %>");
            // Both Add pages show the refusal on themselves.
            const shown = pageMessage(answer.text);
            check(answer.status === 200 && ran.length === 0 && shown === message,
                `the upload "${name}" on ${page}: ${answer.status}, "${shown}", ran ${ran.join(" | ")}`);
        }
    }

    // A detail row too long for its column fails in the database after the ship's file was saved.
    const shipsFolder = () => filesIn("uploadedData").sort().join(", ");
    const before = shipsFolder();
    await postUpload(admin, `${ui}/shipAdd.aspx`, `ACTION=ADD&note=sunk&inp1=1&id1=0&item1=${"x".repeat(60)}`, "sunk.txt", "sunk");
    check(runOnDatabase("SELECT COUNT(*) FROM ship_basic WHERE note = 'sunk'") === "0" && shipsFolder() === before,
        `a ship added with a failing row is stored or leaves files: ${shipsFolder()}`);
    await postUpload(admin, `${ui}/shipAdd.aspx`, "ACTION=ADD&note=afloat&inp1=1&id1=0&item1=afloat%20row", "afloat.txt", "afloat");
    const shipId = runOnDatabase("SELECT ship_basic_id FROM ship_basic WHERE note = 'afloat'");
    const scan = () => runOnDatabase(`SELECT scan FROM ship_basic WHERE ship_basic_id = ${shipId}`);
    const [afloat, saved] = [scan(), shipsFolder()];
    check(/^\d+$/.test(shipId) && afloat.endsWith("/afloat.txt"), `the ship "afloat" was not added with its file: "${afloat}"`);
    const row = runOnDatabase("SELECT ship_detail_id FROM ship_detail WHERE item = 'afloat row'");
    const sinking = await postUpload(admin, `${ui}/shipUpdate.aspx?ship_basic_id=${shipId}`,
        `ACTION=UPDATE&note=sinking&ctl00$KestraneWeavoContent$note=sinking&inp1=1&id1=${row}&item1=${"x".repeat(60)}` +
        "&inp2=2&id2=0&item2=new%20row&delete2=on", "sinking.txt", "sinking", `ship_basic_id=${shipId}`);
    const sunkRows = ["item1", "item2"].map((name) => inputValue(sinking.answer.text, name));
    check(sinking.answer.status === 200 && /value too long/.test(pageMessage(sinking.answer.text)) &&
        inputValue(sinking.answer.text, "ctl00$KestraneWeavoContent$note") === "sinking" &&
        sunkRows.join("|") === `${"x".repeat(60)}|new row` && inputTag(sinking.answer.text, "delete2").includes(" checked") &&
        !inputTag(sinking.answer.text, "delete1").includes(" checked"),
    `a ship updated with a failing row answers ${sinking.answer.status} "${pageMessage(sinking.answer.text)}" with rows ${sunkRows.join(" | ")}`);
    check(scan() === afloat && runOnDatabase(`SELECT note FROM ship_basic WHERE ship_basic_id = ${shipId}`) === "afloat" &&
        shipsFolder() === saved && fs.existsSync(applicationFile("uploadedData", ...afloat.split("/"))),
    `a ship updated with a failing row holds "${scan()}" beside ${shipsFolder()}`);

    const folder = fs.mkdtempSync(path.join(os.tmpdir(), "weavo-names-"));
    const turned = "inv10\u202Efdp.txt";
    const expected = { "x9.aspq": mapped("x9.aspq"), "con.jpg": unstorable("con.jpg"), "x9.txt.": unstorable("x9.txt."),
        [turned]: controlledUpload };
    const uploads = browserUploadsOf(folder, Object.keys(expected));
    const refusing = await launchChromium();
    try {
        const problems = [];
        const tab = await loggedInTab(refusing.browser, problems, "editor", passwords.editor);
        for (const [name, file] of uploads) {
            await tab.goto(`${base}/${ui}/documentAdd.aspx`, { waitUntil: "networkidle0" });
            await tab.type("#ctl00_KestraneWeavoContent_title", "named");
            await (await tab.$("#ctl00_KestraneWeavoContent_scan")).uploadFile(file);
            await Promise.all([tab.waitForNavigation({ waitUntil: "networkidle0" }), tab.click("#AddButton")]);
            const shown = await tab.$eval("#ctl00_KestraneWeavoContent_MessageLabel", (label) => label.textContent);
            check(shown === expected[name], `in Chromium the upload "${name}" shows "${shown}"`);
            await settledScreenshot(tab, `${shots}-Refused-${name.replace(/[^a-z0-9]/gi, "_")}.png`);
        }
        check(runOnDatabase("SELECT COUNT(*) FROM document WHERE title = 'named'") === "0", "a refused upload in Chromium added a document");
        failures.push(...problems.map((problem) => `in Chromium, refused uploads: ${problem}`));
    } catch (error) {
        failures.push(`in Chromium, refused uploads: ${error.stack || error}`);
    } finally {
        await refusing.close();
        fs.rmSync(folder, { recursive: true, force: true });
    }
}

// Files of the names in the folder, for the browser to upload: each name and its path.
function browserUploadsOf(folder, names) {
    return names.map((name) => {
        const file = path.join(folder, name);
        fs.writeFileSync(file, "<% %>");
        return [name, file];
    });
}

// The page's text box or text area of that name: its text, decoded; null without one.
function fieldText(html, name) {
    const quoted = name.replace(/[$]/g, "\\$");
    const area = new RegExp(`<textarea[^>]*name="${quoted}"[^>]*>([^<]*)</textarea>`).exec(html);
    return area ? area[1].replace(/^\r?\n/, "").replace(/&lt;/g, "<").replace(/&gt;/g, ">").replace(/&amp;/g, "&")
        : inputValue(html, name);
}

// A refused update stays on its record with its message and the values as typed: the document's
// title too long for its column, which the database refuses, and an account renamed to a name
// another account holds, which the account page refuses; in Chromium the document and the ship,
// whose master and rows keep their typed values and their delete boxes.
async function refusedUpdatesStayOnTheirRecords() {
    const documentId = runOnDatabase("SELECT MIN(document_id) FROM document WHERE Is_Deleted = 'N'");
    const title = () => runOnDatabase(`SELECT title FROM document WHERE document_id = ${documentId}`);
    const stored = title();
    const long = "t".repeat(60);
    const documentPage = `${ui}/documentUpdate.aspx?document_id=${documentId}`;
    const refused = await postUpload(admin, documentPage, `ACTION=UPDATE&title=${long}&ctl00$KestraneWeavoContent$title=${long}`,
        "", "", `document_id=${documentId}`);
    check(refused.answer.status === 200 && /value too long/.test(pageMessage(refused.answer.text)) &&
        fieldText(refused.answer.text, "ctl00$KestraneWeavoContent$title") === long && title() === stored,
    `a document's update that the database refuses answers ${refused.answer.status} "${pageMessage(refused.answer.text)}" ` +
        `and leaves "${title()}"`);

    const clerkId = runOnDatabase("SELECT useraccount_id FROM useraccount WHERE username = 'clerk' AND Is_Deleted = 'N'");
    const renamed = await changesOf(() => accountPost(admin, `${ui}/useraccountUpdate.aspx?useraccount_id=${clerkId}`, {
        ACTION: "UPDATE", useraccount_id: clerkId, username: "editor", "ctl00$KestraneWeavoContent$username": "editor",
        new_password: passwords.clerk, confirm_password: passwords.clerk, personnel_role_id: "3",
    }));
    check(renamed.answer.status === 200 && renamed.answer.redirected === "" && pageMessage(renamed.answer.text) === "Can not Update Record!" &&
        fieldText(renamed.answer.text, "ctl00$KestraneWeavoContent$username") === "editor" && renamed.ran.length === 0,
    `an account renamed to a name taken answers ${renamed.answer.status} to "${renamed.answer.redirected}" ` +
        `"${pageMessage(renamed.answer.text)}", ran ${renamed.ran.join(" | ")}`);

    const shipId = runOnDatabase("SELECT ship_basic_id FROM ship_basic WHERE note = 'afloat'");
    const browser = await launchChromium();
    try {
        const problems = [];
        const tab = await loggedInTab(browser.browser, problems, "admin", passwords.admin);
        await tab.goto(`${base}/${documentPage}`, { waitUntil: "networkidle0" });
        await tab.$eval("#ctl00_KestraneWeavoContent_title", (control, typed) => { control.value = typed; }, long);
        await Promise.all([tab.waitForNavigation({ waitUntil: "networkidle0", timeout: 15000 }),
            tab.click("#ctl00_KestraneWeavoContent_UpdateButton")]);
        const shown = await tab.evaluate(() => [document.getElementById("ctl00_KestraneWeavoContent_MessageLabel").textContent,
            document.getElementById("ctl00_KestraneWeavoContent_title").value]);
        check(tab.url().endsWith(`/${documentPage}`) && /value too long/.test(shown[0]) && shown[1] === long,
            `a refused update in Chromium lands on ${tab.url()} showing "${shown.join('", "')}"`);
        await settledScreenshot(tab, `${shots}-RefusedUpdate.png`);

        const shipPage = `${ui}/shipUpdate.aspx?ship_basic_id=${shipId}`;
        await tab.goto(`${base}/${shipPage}`, { waitUntil: "networkidle0" });
        await tab.$eval("#ctl00_KestraneWeavoContent_note", (control) => { control.value = "sinking again"; });
        await tab.$eval("input[name=item1]", (control, typed) => { control.value = typed; }, "x".repeat(60));
        await tab.click("input[value='Add New Row']");
        await tab.type("input[name=item2]", "typed row");
        await tab.click("input[name=delete2]");
        await Promise.all([tab.waitForNavigation({ waitUntil: "networkidle0", timeout: 15000 }), tab.click("input[value=Commit]")]);
        const ship = await tab.evaluate(() => ({
            message: document.getElementById("ctl00_KestraneWeavoContent_MessageLabel").textContent,
            note: document.getElementById("ctl00_KestraneWeavoContent_note").value,
            rows: ["item1", "item2"].map((name) => document.getElementsByName(name)[0]?.value),
            deleted: ["delete1", "delete2"].map((name) => document.getElementsByName(name)[0]?.checked),
        }));
        check(tab.url().endsWith(`/${shipPage}`) && /value too long/.test(ship.message) && ship.note === "sinking again" &&
            ship.rows.join("|") === `${"x".repeat(60)}|typed row` && ship.deleted.join("|") === "false|true" &&
            runOnDatabase(`SELECT note FROM ship_basic WHERE ship_basic_id = ${shipId}`) === "afloat",
        `a ship's refused update in Chromium lands on ${tab.url()} showing ${JSON.stringify(ship)}`);
        await settledScreenshot(tab, `${shots}-RefusedShipUpdate.png`);
        failures.push(...problems.map((problem) => `in Chromium, refused updates: ${problem}`));
    } catch (error) {
        failures.push(`in Chromium, refused updates: ${error.stack || error}`);
    } finally {
        await browser.close();
    }
}

// Upload names that hold a character of the program's own control runs (the first and the last of
// each) are refused with the check's message on the Add page and on the Update page, each staying
// on itself; nothing is stored. NUL, LF and CR are left out: a file name in a form post
// cannot carry them.
async function controlCharactersInUploadNamesAreRefused() {
    const editor = new Client();
    await login(editor, "editor", passwords.editor);
    const codes = (controlRuns || "").split(",").filter((run) => run !== "")
        .flatMap((run) => run.split("-").map((end) => parseInt(end, 16)))
        .filter((code) => ![0x00, 0x0A, 0x0D].includes(code));
    check(codes.length > 8, `the control runs "${controlRuns}" give ${codes.length} characters`);
    const documentId = runOnDatabase("SELECT MIN(document_id) FROM document WHERE Is_Deleted = 'N'");
    const folders = filesIn("uploadedData").length;
    for (const code of codes) {
        const name = `inv10${String.fromCodePoint(code)}fdp.txt`;
        const label = `the upload name with U+${code.toString(16).toUpperCase().padStart(4, "0")}`;
        const added = await postUpload(editor, `${ui}/documentAdd.aspx`, "ACTION=ADD&title=controlled", name, "turned");
        const shown = pageMessage(added.answer.text);
        check(added.answer.status === 200 && added.ran.length === 0 && shown === controlledUpload,
            `${label} on the Add page: ${added.answer.status}, "${shown}", ran ${added.ran.join(" | ")}`);
        const updated = await postUpload(editor, `${ui}/documentUpdate.aspx?document_id=${documentId}`,
            "ACTION=UPDATE&title=controlled", name, "turned", `document_id=${documentId}`);
        check(updated.answer.status === 200 && updated.ran.length === 0 && pageMessage(updated.answer.text) === controlledUpload,
            `${label} on the Update page: ${updated.answer.status}, "${pageMessage(updated.answer.text)}", ran ${updated.ran.join(" | ")}`);
    }
    check(filesIn("uploadedData").length === folders, `refused names left ${filesIn("uploadedData").length - folders} folders`);
}

// An account with a user name of 30 characters and a password of 40, made on the account page,
// logs in through the login page's boxes in Chromium; a role without the account pages changes
// its password with an avatar by the password page's own button and sees the change, and then a
// refusal, on that page.
async function longAccountsLogInAndChangeTheirPasswords() {
    const user = "a-user-name-of-thirty-letters.";
    const password = "A-password-of-forty-characters-01234567.";
    const renewed = "Renewed-password-1";
    const { id } = await addAccount(user, password, "3");
    const box = /<input[^>]*id="ctl00_KestraneWeavoContent_user_name"[^>]*>/.exec((await new Client().request(`${ui}/Login.aspx`)).text)?.[0] || "";
    check(user.length === 30 && password.length === 40 && /maxlength="50"/.test(box), `the login page's user name box: ${box}`);
    const folder = fs.mkdtempSync(path.join(os.tmpdir(), "weavo-avatar-"));
    const face = path.join(folder, "face.png");
    fs.writeFileSync(face, "a face");
    const browser = await launchChromium();
    try {
        const problems = [];
        const tab = await loggedInTab(browser.browser, problems, user, password);
        check(tab.url().endsWith("/Project_Dashboard.aspx"), `the login of ${user} in Chromium ends at ${tab.url()}`);
        const change = async (old, file) => {
            await tab.goto(`${base}/${passwordPage}`, { waitUntil: "networkidle0" });
            await tab.type("#ctl00_KestraneWeavoContent_password", old);
            await tab.type("#ctl00_KestraneWeavoContent_new_password", renewed);
            await tab.type("#ctl00_KestraneWeavoContent_confirm_password", renewed);
            if (file)
                await (await tab.$("#ctl00_KestraneWeavoContent_avatar")).uploadFile(file);
            await Promise.all([tab.waitForNavigation({ waitUntil: "networkidle0", timeout: 15000 }),
                tab.click("#ctl00_KestraneWeavoContent_UpdateButton")]);
            return tab.evaluate(() => [document.getElementById("ctl00_KestraneWeavoContent_MessageLabel")?.textContent || "",
                document.getElementById("ctl00_KestraneWeavoContent_username")?.value || ""]);
        };
        const changed = await change(password, face);
        const avatar = runOnDatabase(`SELECT avatar FROM useraccount WHERE useraccount_id = ${id}`);
        check(tab.url().endsWith(`/${passwordPage}`) && changed[0] === "Record Updated Successfully!" && avatar.endsWith("/face.png"),
            `the password change of ${user} in Chromium lands on ${tab.url()} showing "${changed[0]}", the avatar "${avatar}"`);
        await settledScreenshot(tab, `${shots}-PasswordWithAvatar.png`);
        // The page's script posts to the record's address, which the password page does not read.
        const refused = await change("Wrong-password", null);
        check(new URL(tab.url()).pathname === `/${passwordPage}` && refused[0] === "The old password is not correct." &&
            refused[1] === user,
            `a refused password change in Chromium lands on ${tab.url()} showing "${refused.join('", "')}"`);
        await settledScreenshot(tab, `${shots}-PasswordRefused.png`);
        failures.push(...problems.map((problem) => `in Chromium, a long account: ${problem}`));
    } catch (error) {
        failures.push(`in Chromium, a long account: ${error.stack || error}`);
    } finally {
        await browser.close();
        fs.rmSync(folder, { recursive: true, force: true });
    }
    const owner = new Client();
    check((await login(owner, user, renewed)).status === 302, `${user} cannot log in with its changed password`);
    const avatar = runOnDatabase(`SELECT avatar FROM useraccount WHERE useraccount_id = ${id}`);
    const file = `uploadedData/${avatar.split("/").map(encodeURIComponent).join("/")}`;
    check((await owner.request(file)).text === "a face", `${user} cannot download its avatar "${avatar}"`);
    check((await admin.request(file)).text === "a face", `the administrator cannot download the avatar "${avatar}"`);
    const clerk = new Client();
    await login(clerk, "clerk", passwords.clerk);
    await expectRefused("another account's avatar downloaded through the password page", () => clerk.request(file), refusal, true);
}
