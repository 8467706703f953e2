// Opens a search report page of a served site in Chromium, presses View and checks that the
// report arrives in the page's report div through the report style sheet:
//   node report-view.mjs <base URL> <page> <screenshot.png>
// Prints each failure and exits with their number.
import { launchChromium, watchedTab } from "./browser.mjs";

const [base, page, screenshot] = process.argv.slice(2);
const failures = [];
const chromium = await launchChromium();
try {
    const tab = await watchedTab(chromium.browser, failures);
    const answer = await tab.goto(`${base}/${page}`, { waitUntil: "networkidle0" });
    if (answer.status() !== 200)
        failures.push(`${page}: status ${answer.status()}`);
    await tab.click("#View");
    await tab.waitForSelector("#ctl00_KestraneWeavoContent_reportDiv table", { timeout: 15000 })
        .catch(() => failures.push("no report table after View"));
    await tab.screenshot({ path: screenshot, fullPage: true });
    const report = await tab.evaluate(() => {
        const div = document.getElementById("ctl00_KestraneWeavoContent_reportDiv");
        return {
            rows: div.querySelectorAll("tr.ReportDataRow").length,
            text: div.textContent,
            message: document.getElementById("messageDiv").textContent.trim(),
        };
    });
    if (report.message !== "")
        failures.push(`message after View: ${report.message}`);
    if (report.rows !== 2)
        failures.push(`${report.rows} report rows instead of 2: ${report.text}`);
    if (!report.text.includes('<open & "new">') || !report.text.includes("7&x=<8>"))
        failures.push(`the escaped texts are not shown as they are: ${report.text}`);
} finally {
    await chromium.close();
}
for (const failure of failures)
    console.log(failure);
process.exit(Math.min(failures.length, 100));
