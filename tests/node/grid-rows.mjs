// Opens the Add page of a master-detail page in Chromium and adds rows to its first grid with
// the grid's own "Add New Row" button: every new row carries its number in place of "__ROW__"
// and the page shows no script error.
//   node grid-rows.mjs <base URL> <page> <grid id> <screenshot.png>
// Prints each failure and exits with their number.
import { launchChromium, plainText, watchedTab } from "./browser.mjs";

const [base, page, grid, screenshot] = process.argv.slice(2);
const failures = [];
const chromium = await launchChromium();
try {
    const tab = await watchedTab(chromium.browser, failures);
    const answer = await tab.goto(`${base}/${page}`, { waitUntil: "networkidle0" });
    if (answer.status() !== 200)
        failures.push(`${page}: status ${answer.status()}: ${plainText(await answer.text())}`);
    const before = await tab.evaluate((grid) => document.getElementById(`${grid}_body`).rows.length, grid);
    for (let i = 0; i < 2; i++)
        await tab.click(`#${grid}_table .AddRowButton`);
    const rows = await tab.evaluate((grid) =>
        Array.from(document.getElementById(`${grid}_body`).rows, (row) =>
            Array.from(row.querySelectorAll("input,select"), (e) => e.id)), grid);
    await tab.screenshot({ path: screenshot, fullPage: true });
    if (rows.length !== before + 2)
        failures.push(`${rows.length} rows after two clicks on a grid of ${before}`);
    rows.forEach((ids, index) => {
        if (ids.length === 0 || ids.some((id) => !id.endsWith(String(index + 1))))
            failures.push(`row ${index + 1} has the ids ${ids.join(", ")}`);
    });
} catch (error) {
    failures.push(String(error));
} finally {
    await chromium.close();
}
for (const failure of failures)
    console.log(failure);
process.exit(Math.min(failures.length, 100));
