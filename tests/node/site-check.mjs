// Checks a generated application served at a loopback address:
//   node site-check.mjs <base URL> <login page> <screenshot.png> <page>...
// The login page (a path below the base URL) must answer 200 with its form; every other page
// must answer without a server error, with a redirect to that login page when no one is logged
// in, with and without forged login cookies. Chromium then opens
// the login page: its style sheets, scripts and images load, the console shows no error, and a
// screenshot is saved. Prints each failure and exits with their number.
import { launchChromium, plainText, watchedTab } from "./browser.mjs";

const [base, loginPage, screenshot, ...pages] = process.argv.slice(2);
const failures = [];

async function get(path, cookie) {
    const response = await fetch(`${base}/${path}`, {
        redirect: "manual",
        headers: cookie ? { Cookie: cookie } : {},
    });
    return { status: response.status, location: response.headers.get("location") || "", text: await response.text() };
}

const login = await get(loginPage);
if (login.status !== 200)
    failures.push(`${loginPage}: status ${login.status}: ${plainText(login.text)}`);
for (const part of ['<form method="post" action="Login.aspx"', 'id="ctl00_KestraneWeavoContent_user_name"',
    'id="ctl00_KestraneWeavoContent_password"', 'value="Login"'])
    if (!login.text.includes(part))
        failures.push(`${loginPage}: no ${part} in the answer\n${login.text.slice(0, 3000)}`);

const loginUrl = "/" + loginPage.split("/")[0] + "/UI/Login.aspx";
for (const page of pages) {
    for (const cookie of [null, "login_role=1; login_id=1; login_username=admin"]) {
        const answer = await get(page, cookie);
        const label = `${page}${cookie ? " (forged cookies)" : ""}`;
        if (answer.status >= 500 || /Server Error in|Exception Details/.test(answer.text))
            failures.push(`${label}: server error ${answer.status}: ${plainText(answer.text)}`);
        else if (answer.status !== 302 || !new URL(answer.location, `${base}/${page}`).pathname.endsWith(loginUrl))
            failures.push(`${label}: status ${answer.status}, location "${answer.location}" instead of a redirect to ${loginUrl}`);
    }
}

const chromium = await launchChromium();
try {
    const problems = [];
    const loaded = [];
    const tab = await watchedTab(chromium.browser, problems);
    tab.on("response", (response) => {
        const type = response.request().resourceType();
        if (response.status() < 400 && (type === "stylesheet" || type === "script" || type === "image"))
            loaded.push(`${type} ${new URL(response.url()).pathname}`);
    });
    await tab.goto(`${base}/${loginPage}`, { waitUntil: "networkidle0" });
    await tab.screenshot({ path: screenshot, fullPage: true });
    const styled = await tab.evaluate(() => {
        const button = document.querySelector(".ButtonControl");
        return button ? getComputedStyle(button).backgroundColor : "";
    });
    const formReached = await tab.evaluate(() =>
        Boolean(document.aspnetForm && document.aspnetForm.ctl00_KestraneWeavoContent_user_name));
    if (!formReached)
        problems.push("the page scripts do not reach the form as document.aspnetForm");
    if (styled !== "rgb(47, 111, 163)")
        problems.push(`the login button is not styled by the theme (${styled})`);
    for (const file of ["/includes/CSS/style.css", "/includes/CSS/ajaxstyle.css", "/includes/CSS/calendar.css",
        "/includes/JS/simplecalendar.js", "/includes/JS/Ajax.js", "/includes/JS/validate.js",
        "/includes/JS/EditableCombo.js", "/includes/JS/Report.js", "/includes/images/logo.jpg"])
        if (!loaded.some((entry) => entry.endsWith(file)))
            problems.push(`not loaded: ${file}`);
    failures.push(...problems.map((problem) => `${loginPage} in Chromium: ${problem}`));
} finally {
    await chromium.close();
}

for (const failure of failures)
    console.log(failure);
console.log(`${pages.length + 1} pages checked, ${failures.length} failures`);
process.exit(Math.min(failures.length, 100));
