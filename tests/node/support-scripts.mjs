// Runs the client functions of the support tree's scripts in headless Chromium against XML
// answers of the generated ReportXMLWriter, types dates into a date box, and compares everything
// they did with the expected results:
//   node support-scripts.mjs <KestraneWeavoFiles folder> <answers folder> <expected.json>
// Prints the results that differ and exits non-zero when any does.
import fs from "node:fs";
import { launchChromium, serveFolders } from "./browser.mjs";

const [filesFolder, answersFolder, expectedFile] = process.argv.slice(2);

const scripts = ["simplecalendar.js", "Ajax.js", "validate.js", "EditableCombo.js", "Report.js"]
    .map((name) => `<script language="JavaScript" src="../../includes/JS/${name}" type="text/javascript"></script>`)
    .join("\n");

// A page laid out as the generated pages are: the server form, controls with the content
// prefix, a message div, a report div and a grid div holding the server's transformed grid.
const page = `<html><head><link rel="icon" href="data:,"/>${scripts}</head><body>
<form name="aspnetForm" id="aspnetForm">
<input type="hidden" name="__VIEWSTATE" value="state"/>
<select name="ctl00$KestraneWeavoContent$agent" id="ctl00_KestraneWeavoContent_agent"><option value="1">Old</option></select>
<input type="text" name="ctl00$KestraneWeavoContent$credit" id="ctl00_KestraneWeavoContent_credit" value=""/>
<input type="checkbox" name="ctl00$KestraneWeavoContent$urgent" id="ctl00_KestraneWeavoContent_urgent"/>
<table id="ctl00_KestraneWeavoContent_status"><tr><td>
<input type="radio" name="ctl00$KestraneWeavoContent$status" id="ctl00_KestraneWeavoContent_status_0" value="Open" checked="checked"/>
<input type="radio" name="ctl00$KestraneWeavoContent$status" id="ctl00_KestraneWeavoContent_status_1" value="Closed"/>
</td></tr></table>
<input type="text" name="ctl00$KestraneWeavoContent$notes" id="ctl00_KestraneWeavoContent_notes" value="   "/>
<input type="button" name="ctl00$KestraneWeavoContent$View" value="View"/>
<div id="messageDiv" class="MessageClass"> </div>
<input type="hidden" name="ctl00$KestraneWeavoContent$page_no" id="ctl00_KestraneWeavoContent_page_no" value="0"/>
<div id="ctl00_KestraneWeavoContent_reportDiv"></div>
<div id="ctl00_KestraneWeavoContent_sale_lineDiv"></div>
</form>
<input type="text" id="date_box" class="CalenderBoxControl" onkeyup="date_dash(this,event)" onkeydown="date_dash(this,event)"/>
</body></html>`;

const { server, url } = await serveFolders(
    { "/answers/": answersFolder, "/": filesFolder },
    { "/BaseModule/UI/scripts.html": page },
);
const chromium = await launchChromium();
let failed = false;
try {
    const tab = await chromium.browser.newPage();
    const errors = [];
    tab.on("pageerror", (error) => errors.push(error.message));
    tab.on("console", (message) => {
        if (message.type() === "error")
            errors.push(message.text());
    });
    await tab.goto(`${url}/BaseModule/UI/scripts.html`);
    const gridHtml = fs.readFileSync(`${answersFolder}/grid.html`, "utf8");
    const reportHtml = fs.readFileSync(`${answersFolder}/report.html`, "utf8");
    const actual = await tab.evaluate(async (gridHtml, reportHtml) => {
        const alerts = [];
        window.alert = (text) => alerts.push(text);
        const form = document.aspnetForm;
        const get = (name) => {
            const request = getXMLHTTPRequest();
            request.open("GET", "../../answers/" + name, false);
            request.send(null);
            return request;
        };
        const control = (name) => document.getElementById("ctl00_KestraneWeavoContent_" + name);
        const options = (list) => Array.from(list.options, (o) => [o.text, o.value]);
        const message = () => {
            const div = document.getElementById("messageDiv");
            return [div.textContent, div.className];
        };
        const results = {};

        const recompute = get("recompute.xml").responseXML;
        FillCombo(recompute, "agent", control("agent"), false);
        results.comboFilled = options(control("agent"));
        FillCombo(recompute, "agent", control("agent"), true);
        results.comboFilledWithNone = options(control("agent"));
        FillCombo(recompute, "missing", control("agent"), false);
        results.comboWithoutAnswerKept = control("agent").options.length;
        FillControlFromFunction(recompute, "credit", control("credit"));
        FillCheckBoxFromFunction(recompute, "urgent", control("urgent"));
        FillRadioButtonFromFunction(recompute, "status", form.ctl00_KestraneWeavoContent_status);
        results.recomputedControls = [control("credit").value, control("urgent").checked,
            control("status_0").checked, control("status_1").checked];

        results.addedReturns = getMessageString(get("added.xml").responseXML, "messageDiv", "messageDiv");
        results.addedMessage = message();
        results.failedReturns = getMessageString(get("failed.xml").responseXML, "messageDiv", "messageDiv");
        results.failedMessage = message();
        const gridAnswer = get("grid.xml").responseXML;
        results.gridAnswerReturns = getMessageString(gridAnswer, "messageDiv", "messageDiv");
        results.gridAnswerMessage = message();

        control("sale_lineDiv").innerHTML = gridHtml;
        const body = document.getElementById("sale_lineDiv_body");
        const template = document.getElementById("sale_lineDiv_defaultRow");
        document.querySelector(".AddRowButton").click();
        addGridRow(body, template);
        results.gridRows = Array.from(body.rows, (row) =>
            Array.from(row.querySelectorAll("input,select,img"), (e) =>
                [e.tagName.toLowerCase(), e.id || "", e.getAttribute("name") || "", e.value || e.getAttribute("src"),
                 e.getAttribute("onclick") || e.getAttribute("onchange") || e.getAttribute("onkeyup") || ""]));
        results.gridHasRowMarker = body.innerHTML.indexOf("__ROW__") >= 0;
        document.getElementById("qty3").value = "4";
        document.getElementById("shipped2").checked = true;
        results.requestBody = getRequestBody(form, "ADD");
        while (body.rows.length < 200)
            addGridRow(body, template);
        const beyond = addGridRow(body, template);
        results.gridRowLimit = [body.rows.length, beyond === null, alerts.pop()];

        results.validateBlank = validateString(control("notes"), "Please enter Notes");
        results.validateBlankFocus = document.activeElement.id;
        control("notes").value = " x ";
        results.validateFilled = validateString(control("notes"), "Please enter Notes");
        results.alerts = alerts;
        results.isNumber1 = ["12", "-3.5", "+.5", " 7 ", "1e3", "", "abc", "1.2.3", "0012.50"]
            .map((text) => [text, isNumber1(text)]);
        results.isWholeNumber = [["12", 32], [" -7 ", 32], ["+12", 32], ["12.5", 32], ["12.", 32], ["", 32], ["0x1F", 32],
            ["2147483647", 32], ["2147483648", 32], ["-2147483648", 32], ["-2147483649", 32], ["2147483648", 64],
            ["9223372036854775807", 64], ["9223372036854775808", 64], ["-9223372036854775808", 64], ["\u0661\u0662", 64]]
            .map(([text, bits]) => [text, bits, isWholeNumber(text, bits)]);
        results.isDate = [["02/29/2008", "mm/dd/yyyy"], ["02/29/2009", "mm/dd/yyyy"], ["31/12/2009", "dd/mm/yyyy"],
            ["12/31/2009", "dd/mm/yyyy"], ["1-2-2009", "mm/dd/yyyy"], ["1/2/09", "mm/dd/yyyy"], ["", "mm/dd/yyyy"]]
            .map(([text, format]) => [text, format, isDate(text, format)]);
        results.editableComboText = [getSelctedTextFromEditableCombo("9", control("agent")),
            getSelctedTextFromEditableCombo("42", control("agent"))];

        updateReport(get("report.xml"), "ctl00_KestraneWeavoContent_reportDiv");
        const served = document.createElement("div");
        served.innerHTML = reportHtml;
        results.reportAsOnServer = control("reportDiv").innerHTML == served.innerHTML;
        results.reportCells = Array.from(control("reportDiv").querySelectorAll("th,td"), (cell) =>
            [cell.tagName.toLowerCase(), cell.className, cell.textContent, cell.querySelector("a") ? cell.querySelector("a").getAttribute("href") : ""]);
        updateReport(get("added.xml"), "ctl00_KestraneWeavoContent_reportDiv");
        results.reportKeptWithoutReport = control("reportDiv").querySelectorAll("tr").length;

        results.sentForReport = await new Promise((resolve) => {
            sendRequest("GET", "../../answers/failed.xml", (request, tag) => {
                FillMessageStringForReport(request, tag);
                resolve(message());
            }, "messageDiv", "ACTION=NEXT&page_no=1");
        });
        return results;
    }, gridHtml, reportHtml);
    // The date box typed key by key: the "/" it writes after the day and the month, a "/" or "-"
    // typed there standing once.
    actual.typedDates = [];
    for (const text of ["05/04/2026", "05042026", "5/4/2026", "05/4/2026", "5/04/2026", "05-04-2026"]) {
        await tab.$eval("#date_box", (box) => { box.value = ""; });
        await tab.type("#date_box", text);
        actual.typedDates.push([text, await tab.$eval("#date_box", (box) => box.value)]);
    }
    actual.pageErrors = errors;

    const expected = JSON.parse(fs.readFileSync(expectedFile, "utf8"));
    for (const key of new Set([...Object.keys(expected), ...Object.keys(actual)])) {
        const want = JSON.stringify(expected[key]);
        const got = JSON.stringify(actual[key]);
        if (want !== got) {
            failed = true;
            console.log(`${key}:\n  expected ${want}\n  actual   ${got}`);
        }
    }
    if (process.env.WEAVO_PRINT_RESULTS)
        console.log(JSON.stringify(actual, null, 2));
} finally {
    await chromium.close();
    server.close();
}
process.exit(failed ? 1 : 0);
