// Opens pages of a served site in Chromium whose controls and classes are named from names no
// identifier holds as they stand, and uses them:
//   node named-controls.mjs <base URL> <screenshot prefix> <control id> <page>...
// Each page answers 200 without a script or console error; on a page with the control, "Clear"
// empties it and ValidateData refuses the empty form with an alert naming a field. Prints each
// failure and exits with their number.
import { launchChromium, watchedTab } from "./browser.mjs";

const [base, screenshot, controlId, ...pages] = process.argv.slice(2);
const failures = [];
const chromium = await launchChromium();
try {
    for (const [index, page] of pages.entries()) {
        const problems = [];
        const tab = await watchedTab(chromium.browser, problems);
        const alerts = [];
        tab.on("dialog", async (dialog) => {
            alerts.push(dialog.message());
            await dialog.dismiss();
        });
        const answer = await tab.goto(`${base}/${page}`, { waitUntil: "networkidle0" });
        if (answer.status() !== 200)
            problems.push(`status ${answer.status()}`);
        const control = `ctl00_KestraneWeavoContent_${controlId}`;
        const found = await tab.evaluate((id) => Boolean(document.getElementById(id)), control);
        if (found) {
            await tab.type(`#${control}`, "12");
            await tab.click("#ClearButton");
            const value = await tab.evaluate((id) => document.getElementById(id).value, control);
            if (value !== "")
                problems.push(`Clear left "${value}" in ${control}`);
            const valid = await tab.evaluate(() => ValidateData());
            if (valid !== false || alerts.length === 0)
                problems.push(`ValidateData answered ${valid} with alerts ${JSON.stringify(alerts)}`);
        }
        await tab.screenshot({ path: `${screenshot}-${index}.png`, fullPage: true });
        console.log(`${page}: ${found ? `${control} cleared, alerts ${JSON.stringify(alerts)}` : "opened"}`);
        failures.push(...problems.map((problem) => `${page}: ${problem}`));
        await tab.close();
    }
} finally {
    await chromium.close();
}
for (const failure of failures)
    console.log(failure);
process.exit(Math.min(failures.length, 100));
