// Saves records on the generated "Guard" site with its typed pages, served on a database, as the
// administrator would in Chromium and as a client of its own would:
//   node kept-records-site.mjs <base URL> <statement log> <screenshot prefix> <record pages>
// Every page kind that stores a record (a master form with a field of every type, a
// master-detail page with its detail rows, one with an upload, the account and password pages)
// refuses a text the server cannot read, a field the post left out, a blank required field and
// detail rows numbered with a gap or twice with its message and runs no change, the pages that
// post their whole form answering on themselves with the values as typed; sound values are
// stored as typed. A field that the page draws no input for (a hidden one, a detail row's upload
// and password) is not asked of a post: an Add leaves it empty, an Update keeps it. Every page of
// the record pages (paths below the site, comma-separated) refuses a character no page carries
// (typed-texts.mjs). Prints each failure and exits with their number.
import { execFileSync } from "node:child_process";
import fs from "node:fs";
import os from "node:os";
import path from "node:path";
import { launchChromium, plainText, watchedTab } from "./browser.mjs";
import { inputTag, inputValue, pageMessage, siteClients } from "./site-client.mjs";
import { typedTexts } from "./typed-texts.mjs";

const [base, log, shots, recordPages] = process.argv.slice(2);
const ui = "BaseModule/UI";
const { Client, login, pageForm } = siteClients(base, ui);
const failures = [];
// Each failure is printed, also when a step throws.
process.on("exit", () => failures.forEach((failure) => console.log(failure)));
const password = "Admin-pass1";

function check(condition, text) {
    if (!condition)
        failures.push(text);
}

function statements() {
    return fs.readFileSync(log, "utf8").split("\n").filter((line) => line !== "");
}

// Runs a query on the site's database; what it prints.
function query(statement) {
    return execFileSync("psql", ["-X", "-q", "-At", "-v", "ON_ERROR_STOP=1", "-h", "127.0.0.1", "-U", "postgres",
        "-p", process.env.WEAVO_PG_PORT, "-d", process.env.WEAVO_PG_DATABASE, "-c", statement], { encoding: "utf8" }).trim();
}

// The text of the answer's message element, entities decoded.
function answerMessage(text) {
    const element = /<(messageDiv|messagestring)>([\s\S]*?)<\/\1>/.exec(text)?.[2] ?? "";
    return element.replace(/&quot;/g, '"').replace(/&apos;/g, "'").replace(/&lt;/g, "<").replace(/&gt;/g, ">").replace(/&amp;/g, "&");
}

// The default account sets its password on the password page, which its login leads to.
const admin = new Client();
const passwordPage = `${ui}/ChangePassword_formUpdate.aspx`;
check((await login(admin, "admin", "")).status === 302, "the default account cannot log in");
const accountFields = { username: "admin", personnel_role_id: "1", password: "" };

// Posts the page's action with the fields and the page's token; the answer, its message and the
// changing statements it ran.
async function save(page, fields) {
    const token = await admin.token(page);
    const before = statements().length;
    const answer = await admin.request(page, { form: { ...fields, REQUEST_TOKEN: token } });
    const ran = statements().slice(before).filter((line) => !/^\s*select/i.test(line));
    return { answer, message: answerMessage(answer.text), ran };
}

// The post must be refused with the message, change nothing and leave the rows as they were.
// A master-detail page reads its rows once its master record is written, in the save's
// transaction (inSave), which the refusal drops.
async function expectRefused(label, page, fields, message, rows, inSave = false) {
    const before = query(rows);
    const { answer, message: shown, ran } = await save(page, fields);
    check(answer.status === 200 && shown === message, `${label}: "${shown}" instead of "${message}" (${answer.status}) ${answer.status === 200 ? "" : plainText(answer.text)}`);
    check(inSave || ran.length === 0, `${label} ran ${ran.join(" | ")}`);
    check(query(rows) === before, `${label} changed the rows`);
}

async function expectSaved(label, page, fields, message) {
    const { answer, message: shown, ran } = await save(page, fields);
    check(answer.status === 200 && shown === message && ran.length > 0, `${label}: "${shown}" (${answer.status}), ran ${ran.length}`);
}

const set = await save(passwordPage, { ACTION: "UPDATE", ...accountFields, new_password: password, confirm_password: password });
check(set.message === "Record Updated Successfully!", `the default account's password change: "${set.message}"`);
check((await login(admin, "admin", password)).status === 302, "the administrator cannot log in with the new password");

// The page's script says each message the server gives for a blank required field.
async function scriptSays(page, message) {
    const html = (await admin.request(page)).text;
    check(html.includes(`"${message}"`), `the script of ${page} does not say "${message}"`);
}

const bad = { numbers: ["12,50", "1e5", "1 000", "abc", "NaN", "\u0661\u0662"], dates: ["5.4.2020", "05/04/20201", "01/13/2020", "2020-04-05", "abc"] };

// Master form: a category, then a product with a field of every type.
const categoryAdd = `${ui}/categoryAdd.aspx`;
await expectSaved("a category", categoryAdd, { ACTION: "ADD", name: "Tools" }, "Record Added Successfully!");
const categories = "SELECT * FROM category ORDER BY category_id";
await expectRefused("a category without its name", categoryAdd, { ACTION: "ADD" }, "The form did not send name.", categories);
await expectRefused("a category with a blank name", categoryAdd, { ACTION: "ADD", name: "  " }, "Please enter name", categories);
await scriptSays(categoryAdd, "Please enter name");
const category = query("SELECT category_id FROM category WHERE name = 'Tools'");

const productAdd = `${ui}/productAdd.aspx`;
const products = "SELECT * FROM product ORDER BY product_id";
const sound = {
    name: "Hammer", category_id: category, price: "42.50", stock: "7", weight: "1.25", ratio: "3",
    serial: "9007199254740993", made: "05/04/2020", sold_on: "31/12/2019", note: "Strong 'n' heavy",
    active: "on", grade: "F", sealed_: "on",
};
// The controls' captions are their fields' names.
const captions = ["name", "category_id", "price", "stock", "weight", "ratio", "serial", "made", "sold_on", "note"];
await expectSaved("a product", productAdd, { ACTION: "ADD", ...sound }, "Record Added Successfully!");
const product = query("SELECT product_id FROM product WHERE name = 'Hammer'");
const stored = query(`SELECT name, category_id, price::numeric, stock, weight, ratio, serial, made, sold_on, note, active, grade, sealed, batch IS NULL FROM product WHERE product_id = ${product}`);
check(stored === `Hammer|${category}|42.50|7|1.25|3|9007199254740993|2020-04-05|2019-12-31|Strong 'n' heavy|on|F|on|t`,
    `the product is stored as ${stored}`);
// The hidden batch, which the page does not post, keeps its stored value through every update.
query(`UPDATE product SET batch = 'B-7' WHERE product_id = ${product}`);
const productUpdate = `${ui}/productUpdate.aspx?product_id=${product}`;
for (const [action, page, key] of [["ADD", productAdd, {}], ["UPDATE", productUpdate, { product_id: product }]]) {
    for (const field of ["price", "stock", "weight", "ratio", "serial"])
        for (const text of bad.numbers)
            await expectRefused(`${action} with ${field} "${text}"`, page, { ACTION: action, ...key, ...sound, [field]: text },
                `Please enter valid numeric value for ${field}`, products);
    // The int and the bigint column take whole numbers of their range only.
    for (const [field, texts] of [["stock", ["12.5", "2147483648", "-2147483649"]], ["serial", ["12.5", "9223372036854775808"]]])
        for (const text of texts)
            await expectRefused(`${action} with ${field} "${text}"`, page, { ACTION: action, ...key, ...sound, [field]: text },
                `Please enter valid numeric value for ${field}`, products);
    for (const field of ["made", "sold_on"])
        for (const text of bad.dates)
            await expectRefused(`${action} with ${field} "${text}"`, page, { ACTION: action, ...key, ...sound, [field]: text },
                `Please select valid ${field}`, products);
    for (const field of captions) {
        const fields = { ACTION: action, ...key, ...sound };
        delete fields[field];
        await expectRefused(`${action} without ${field}`, page, fields, `The form did not send ${field}.`, products);
    }
    await expectRefused(`${action} with a blank name`, page, { ACTION: action, ...key, ...sound, name: " " }, "Please enter name", products);
    await expectRefused(`${action} without a category`, page, { ACTION: action, ...key, ...sound, category_id: "null" },
        "Please select category_id", products);
}
await scriptSays(productAdd, "Please select category_id");
for (const [stock, serial] of [["12", "-7"], ["-7", "12"], ["-2147483648", "9223372036854775807"]]) {
    await expectSaved(`an update with stock ${stock} and serial ${serial}`, productUpdate,
        { ACTION: "UPDATE", product_id: product, ...sound, stock, serial }, "Record Updated Successfully!");
    const wholes = query(`SELECT stock, serial FROM product WHERE product_id = ${product}`);
    check(wholes === `${stock}|${serial}`, `stock ${stock} and serial ${serial} are stored as ${wholes}`);
}
await expectRefused("an update with only its key", productUpdate, { ACTION: "UPDATE", product_id: product }, "The form did not send name.", products);
// What a browser leaves out by design: an unchecked check box is unchecked, the read-only check
// box and the radio list without a choice keep their stored values.
const left = { ACTION: "UPDATE", product_id: product, ...sound, price: "12.5" };
for (const field of ["active", "grade", "sealed_"])
    delete left[field];
await expectSaved("an update leaving out the check boxes and the radio list", productUpdate, left, "Record Updated Successfully!");
const updated = query(`SELECT price::numeric, active, grade, sealed FROM product WHERE product_id = ${product}`);
check(updated === "12.50||F|on", `after the update the product holds ${updated}`);

// Master-detail page: the master record and its detail rows.
const saleAdd = `${ui}/saleAdd.aspx`;
const sales = "SELECT s.*, d.* FROM sale_basic s LEFT JOIN sale_detail d ON d.sale_id = s.sale_basic_id ORDER BY 1, d.sale_detail_id";
const row = { inp1: "1", id1: "0", item1: "nails", quantity1: "3", price1: "0.75", shipped1: "06/04/2020" };
const sale = { note: "first sale", sold: "05/04/2020" };
await expectSaved("a sale", saleAdd, { ACTION: "ADD", ...sale, ...row }, "");
const saleId = query("SELECT sale_basic_id FROM sale_basic WHERE note = 'first sale'");
const storedSale = query(`SELECT s.sold, d.item, d.quantity, d.price::numeric, d.shipped FROM sale_basic s JOIN sale_detail d ON d.sale_id = s.sale_basic_id WHERE s.sale_basic_id = ${saleId}`);
check(storedSale === "2020-04-05|nails|3|0.75|2020-04-06", `the sale is stored as ${storedSale}`);
const detailId = query(`SELECT sale_detail_id FROM sale_detail WHERE sale_id = ${saleId}`);
const saleUpdate = `${ui}/saleUpdate.aspx?sale_basic_id=${saleId}`;
for (const [action, page, key, id] of [["ADD", saleAdd, {}, "0"], ["UPDATE", saleUpdate, { sale_basic_id: saleId }, detailId]]) {
    const fields = (changes) => ({ ACTION: action, ...key, ...sale, ...row, id1: id, ...changes });
    for (const [field, text, message] of [
        ["quantity1", "12,50", "Please enter valid numeric value for quantity in row no 1"],
        ["quantity1", "12.5", "Please enter valid numeric value for quantity in row no 1"],
        ["quantity1", "2147483648", "Please enter valid numeric value for quantity in row no 1"],
        ["price1", "1e5", "Please enter valid numeric value for price in row no 1"],
        ["shipped1", "5.4.2020", "Please enter valid shipped in row no 1"],
        ["item1", "   ", "Please enter item in row no 1"],
        ["sold", "05/04/20201", "Please select valid sold"],
        ["note", "", "Please enter note"],
    ])
        await expectRefused(`a sale's ${action} with ${field} "${text}"`, page, fields({ [field]: text }), message, sales,
            field.endsWith("1"));
    for (const [field, caption] of [["item1", "item in row no 1"], ["quantity1", "quantity in row no 1"], ["note", "note"], ["sold", "sold"]]) {
        const without = fields({});
        delete without[field];
        await expectRefused(`a sale's ${action} without ${field}`, page, without, `The form did not send ${caption}.`, sales,
            field.endsWith("1"));
    }
}
await scriptSays(saleAdd, "Please enter note");
// Rows numbered with a gap, one number twice, or a stored row named twice save nothing, with the
// message: each posted row is stored once or the save is refused.
const misnumbered = "The detail rows were not sent numbered 1, 2, 3 and so on, each once: nothing was saved.";
const line = (n, number = n) => ({ [`inp${n}`]: `${number}`, [`id${n}`]: "0", [`item${n}`]: "rope", [`quantity${n}`]: "2" });
for (const [action, page, key, id] of [["ADD", saleAdd, {}, "0"], ["UPDATE", saleUpdate, { sale_basic_id: saleId }, detailId]]) {
    const fields = { ACTION: action, ...key, ...sale, ...row, id1: id };
    for (const [what, rows] of [["rows 1 and 3", line(3)], ["row 1 twice", line(2, 1)],
        ...(action === "UPDATE" ? [["its stored row twice", { ...line(2), id2: detailId }]] : [])])
        await expectRefused(`a sale's ${action} with ${what}`, page, { ...fields, ...rows }, misnumbered, sales);
}

// Master-detail page with an upload, whose whole form posts: a refused save answers on the page
// with its message, the master values and every row as typed, a row ticked for deletion ticked,
// and stores nothing; a sound save is stored and returns to the page.
const shipAdd = `${ui}/shipAdd.aspx`;
const ships = "SELECT s.*, d.* FROM ship_basic s LEFT JOIN ship_detail d ON d.ship_id = s.ship_basic_id ORDER BY 1, d.ship_detail_id";
const masters = ["note", "tonnage"];
const ship = { note: "Ark", tonnage: "42.50" };
const cargo = { inp1: "1", id1: "0", item1: "rope", quantity1: "3", inp2: "2", id2: "0", item2: "anchor", quantity2: "12",
    inp3: "3", id3: "0", item3: "ballast", quantity3: "", delete3: "3" };

// Posts the ship's form as its script does, each master value also under its text box's name.
async function postShip(fields, file = {}) {
    const posted = { ACTION: "ADD", ...fields };
    for (const name of masters)
        if (name in fields)
            posted[`ctl00$KestraneWeavoContent$${name}`] = fields[name];
    return admin.request(shipAdd, { body: await pageForm(admin, shipAdd, posted, { field: "scan", ...file }) });
}

// What the page shows of the ship: each master text box and each row's inputs, its delete box
// under its name when ticked, in the order of their names.
function shownShip(html) {
    const shown = Object.fromEntries(masters.map((name) => [name, inputValue(html, `ctl00$KestraneWeavoContent$${name}`)]));
    for (let n = 1; inputTag(html, `inp${n}`) !== ""; n++) {
        for (const name of ["inp", "id", "item", "quantity"])
            shown[`${name}${n}`] = inputValue(html, `${name}${n}`);
        if (inputTag(html, `delete${n}`).includes(" checked"))
            shown[`delete${n}`] = `${n}`;
    }
    return JSON.stringify(Object.entries(shown).sort());
}

// The same of a page that shows the fields as typed: a master value not sent shows empty.
function typedShip(fields) {
    const shown = { ...Object.fromEntries(masters.map((name) => [name, ""])), ...fields };
    return JSON.stringify(Object.entries(shown).sort());
}

for (const [label, changes, message, file] of [
    ["a tonnage the server cannot read", { tonnage: "12,50" }, "Please enter valid numeric value for tonnage"],
    ["a row's quantity the server cannot read", { quantity2: "12,50" }, "Please enter valid numeric value for quantity in row no 2"],
    ["a blank note", { note: "  " }, "Please enter note"],
    ["a row's blank item", { item1: " " }, "Please enter item in row no 1"],
    ["no tonnage", { tonnage: undefined }, "The form did not send tonnage."],
    ["a file the server refuses", {}, "The file x9.aspq was not uploaded: files of this type are not accepted.",
        { name: "x9.aspq", content: "<% %>" }],
]) {
    const fields = Object.fromEntries(Object.entries({ ...ship, ...cargo, ...changes }).filter(([, value]) => value !== undefined));
    const before = query(ships);
    const answer = await postShip(fields, file);
    check(answer.status === 200 && pageMessage(answer.text) === message && shownShip(answer.text) === typedShip(fields),
        `a ship with ${label} answers ${answer.status} "${pageMessage(answer.text)}" showing ${shownShip(answer.text)}`);
    check(query(ships) === before, `a ship with ${label} changed the rows`);
}
const gapBefore = query(ships);
const gap = await postShip({ ...ship, ...cargo, inp5: "5", id5: "0", item5: "sail", quantity5: "1" });
check(gap.status === 200 && pageMessage(gap.text) === misnumbered && query(ships) === gapBefore,
    `a ship with rows 1, 2, 3 and 5 answers ${gap.status} "${pageMessage(gap.text)}"`);
const sailed = await postShip({ ...ship, ...cargo }, { name: "manifest.txt", content: "cargo" });
const storedShip = query("SELECT s.note, s.tonnage::numeric, d.item, d.quantity, s.scan LIKE '%/manifest.txt' FROM ship_basic s " +
    "JOIN ship_detail d ON d.ship_id = s.ship_basic_id ORDER BY d.ship_detail_id");
check(sailed.status === 302 && sailed.location.endsWith("/shipAdd.aspx") && storedShip === "Ark|42.50|rope|3|t\nArk|42.50|anchor|12|t",
    `a sound ship answers ${sailed.status} to "${sailed.location}" and is stored as ${storedShip}`);

// The account and password pages.
const accountAdd = `${ui}/useraccountAdd.aspx`;
const accounts = "SELECT * FROM useraccount ORDER BY useraccount_id";
const account = { ACTION: "ADD", username: "keeper", password: "Keeper-pass1", confirm_password: "Keeper-pass1", personnel_role_id: "1" };
await expectRefused("an account with a blank user name", accountAdd, { ...account, username: " " }, "Please enter Username", accounts);
await expectRefused("an account without a role", accountAdd, { ...account, personnel_role_id: "null" }, "Please select Personnel Role", accounts);
await expectRefused("an account with a role that is no number", accountAdd, { ...account, personnel_role_id: "1,5" },
    "Please enter valid numeric value for personnel_role_id", accounts);
const noName = { ...account };
delete noName.username;
await expectRefused("an account without a user name", accountAdd, noName, "The form did not send Username.", accounts);
await scriptSays(accountAdd, "Please enter Username");
// The Add page's password is required as its script requires it, with its text.
await expectRefused("an account with a blank password", accountAdd, { ...account, password: " ", confirm_password: " " }, "Please enter Password", accounts);
await scriptSays(accountAdd, "Please enter Password");
await expectSaved("an account", accountAdd, account, "Record Added Successfully!");
// The password page keeps its own rules for the passwords; the rest of the account stays.
await expectRefused("a password change with a wrong old password", passwordPage,
    { ACTION: "UPDATE", ...accountFields, password: "wrong", new_password: "New-pass1", confirm_password: "New-pass1" },
    "The old password is not correct.", accounts);
// The Update pages' scripts require the new password and its confirmation: so does the server.
const keeper = query("SELECT useraccount_id FROM useraccount WHERE username = 'keeper'");
const accountUpdate = `${ui}/useraccountUpdate.aspx?useraccount_id=${keeper}`;
for (const [page, fields] of [[passwordPage, { ...accountFields, password }],
    [accountUpdate, { useraccount_id: keeper, username: "keeper", personnel_role_id: "1" }]]) {
    for (const [what, passwords, message] of [
        ["a blank new password", { new_password: " ", confirm_password: " " }, "Please enter New Password"],
        ["an empty new password", { new_password: "", confirm_password: "" }, "Please enter New Password"],
        ["an empty confirmation", { new_password: "New-pass1", confirm_password: "" }, "Please enter Confirm Password"],
        ["no new password", { confirm_password: "New-pass1" }, "The form did not send New Password."],
    ])
        await expectRefused(`${page}: ${what}`, page, { ACTION: "UPDATE", ...fields, ...passwords }, message, accounts);
    await scriptSays(page, "Please enter New Password");
    await scriptSays(page, "Please enter Confirm Password");
}

// Characters no page carries and dates as typed, on every page that stores a record.
const texts = typedTexts({ ui, admin, pageForm, query, statements, check });
await texts.run(recordPages.split(","), password);

// In Chromium, as the administrator: "12,50" typed over a price, "12.5" over the bigint serial and
// a bad date are refused by the server, "12.5" and "-7.0" over the required int stock by the
// page's script, each with its message and the record kept; "12.75" is saved. The master-detail
// page's script refuses "12.5" over a row's required int quantity.
const chromium = await launchChromium();
try {
    const problems = [];
    const tab = await watchedTab(chromium.browser, problems);
    const alerts = [];
    tab.on("dialog", (dialog) => {
        if (dialog.type() === "alert")
            alerts.push(dialog.message());
        dialog.accept();
    });
    await tab.goto(`${base}/${ui}/Login.aspx`, { waitUntil: "networkidle0" });
    await tab.type("#ctl00_KestraneWeavoContent_user_name", "admin");
    await tab.type("#ctl00_KestraneWeavoContent_password", password);
    await Promise.all([tab.waitForNavigation({ waitUntil: "networkidle0" }), tab.click("#ctl00_KestraneWeavoContent_Log_in")]);
    await tab.goto(`${base}/${productUpdate}`, { waitUntil: "networkidle0" });
    // Types the text over the field's and saves: the message the page shows and the changes run.
    const typed = async (field, text) => {
        await tab.$eval(`#ctl00_KestraneWeavoContent_${field}`, (input) => { input.value = ""; });
        await tab.type(`#ctl00_KestraneWeavoContent_${field}`, text);
        await tab.$eval("#messageDiv", (element) => { element.textContent = ""; });
        const before = statements().length;
        await tab.click("#ctl00_KestraneWeavoContent_UpdateButton");
        await tab.waitForFunction(() => document.getElementById("messageDiv").textContent.trim() !== "", { timeout: 15000 });
        const shown = await tab.$eval("#messageDiv", (element) => element.textContent);
        return { shown, ran: statements().slice(before).filter((line) => !/^\s*select/i.test(line)) };
    };
    const valueOf = (field) => tab.$eval(`#ctl00_KestraneWeavoContent_${field}`, (input) => input.value);
    const restore = (field, old) => tab.$eval(`#ctl00_KestraneWeavoContent_${field}`, (input, value) => { input.value = value; }, old);
    for (const [field, text, message] of [
        ["price", "12,50", "Please enter valid numeric value for price"],
        ["serial", "12.5", "Please enter valid numeric value for serial"],
        ["sold_on", "5.4.2020", "Please select valid sold_on"],
    ]) {
        const old = await valueOf(field);
        const { shown, ran } = await typed(field, text);
        check(shown.trim() === message && ran.length === 0, `in Chromium, ${field} "${text}" shows "${shown}" and ran ${ran.join(" | ")}`);
        check(await valueOf(field) === text, `in Chromium, the refused ${field} lost what was typed`);
        await restore(field, old);
    }
    // The required int's check in the page's script says the server's message and posts nothing.
    for (const text of ["12.5", "-7.0"]) {
        const old = await valueOf("stock");
        await tab.$eval("#ctl00_KestraneWeavoContent_stock", (input) => { input.value = ""; });
        await tab.type("#ctl00_KestraneWeavoContent_stock", text);
        const before = statements().length;
        const said = alerts.length;
        await tab.click("#ctl00_KestraneWeavoContent_UpdateButton");
        for (let tries = 0; alerts.length === said && tries < 100; tries++)
            await new Promise((resolve) => setTimeout(resolve, 100));
        const alerted = alerts.splice(said).join(" | ");
        check(alerted === "Please enter valid numeric value for stock" && statements().length === before,
            `in Chromium, stock "${text}" is answered by "${alerted}" and ran ${statements().slice(before).join(" | ")}`);
        check(await valueOf("stock") === text, "in Chromium, the refused stock lost what was typed");
        await restore("stock", old);
    }
    await tab.screenshot({ path: `${shots}-Refused.png`, fullPage: true });
    // A saved update leads to the Add page.
    await tab.$eval("#ctl00_KestraneWeavoContent_price", (input) => { input.value = "12.75"; });
    await Promise.all([tab.waitForNavigation({ waitUntil: "networkidle0", timeout: 15000 }),
        tab.click("#ctl00_KestraneWeavoContent_UpdateButton")]);
    check(tab.url().endsWith("/productAdd.aspx"), `in Chromium, the saved update leads to ${tab.url()}`);
    const kept = query(`SELECT price::numeric, sold_on, batch FROM product WHERE product_id = ${product}`);
    check(kept === "12.75|2019-12-31|B-7", `in Chromium, the product holds ${kept}`);
    // So does a detail row's required int on the master-detail page.
    await tab.goto(`${base}/${saleUpdate}`, { waitUntil: "networkidle0" });
    const quantity = await tab.$('[name="quantity1"]');
    await quantity.click({ clickCount: 3 });
    await quantity.type("12.5");
    const before = statements().length;
    await tab.click('input[type="button"][value="Commit"]');
    for (let tries = 0; alerts.length === 0 && tries < 100; tries++)
        await new Promise((resolve) => setTimeout(resolve, 100));
    const alerted = alerts.splice(0).join(" | ");
    check(alerted === "Please enter valid numeric value for quantity in row no 1" && statements().length === before,
        `in Chromium, a row's quantity "12.5" is answered by "${alerted}" and ran ${statements().slice(before).join(" | ")}`);
    check(await quantity.evaluate((input) => input.value) === "12.5", "in Chromium, the refused quantity lost what was typed");
    await tab.screenshot({ path: `${shots}-RefusedRow.png`, fullPage: true });

    // A master-detail Add page without an upload shows a refused save in its message box and
    // keeps what was typed, a note holding markup included; the sound save is stored as typed and
    // leads to the empty page.
    await tab.goto(`${base}/${saleAdd}`, { waitUntil: "networkidle0" });
    await tab.type("#ctl00_KestraneWeavoContent_note", "typed <b>sale</b> &#38;");
    await tab.click("input[value='Add New Row']");
    await tab.type("input[name=item1]", "screws");
    await tab.type("input[name=quantity1]", "3");
    await tab.type("input[name=price1]", "12,50");
    await tab.click("input[value=Commit]");
    await tab.waitForFunction(() => document.getElementById("messageDiv").textContent.trim() !== "", { timeout: 15000 });
    const typedSale = () => tab.evaluate(() => [document.getElementById("messageDiv").textContent.trim(),
        document.getElementById("ctl00_KestraneWeavoContent_note").value,
        ...["item1", "price1"].map((name) => document.getElementsByName(name)[0]?.value)].join("|"));
    const refusedSale = await typedSale();
    check(refusedSale === "Please enter valid numeric value for price in row no 1|typed <b>sale</b> &#38;|screws|12,50" &&
        tab.url().endsWith(`/${saleAdd}`) && query("SELECT COUNT(*) FROM sale_basic WHERE note = 'typed <b>sale</b> &#38;'") === "0",
    `in Chromium, a refused sale shows ${refusedSale} on ${tab.url()}`);
    await tab.$eval("input[name=price1]", (input) => { input.value = "12.50"; });
    await Promise.all([tab.waitForNavigation({ waitUntil: "networkidle0", timeout: 15000 }), tab.click("input[value=Commit]")]);
    const soldSale = query("SELECT d.item, d.price::numeric FROM sale_basic s JOIN sale_detail d ON d.sale_id = s.sale_basic_id WHERE s.note = 'typed <b>sale</b> &#38;'");
    check(soldSale === "screws|12.50" && tab.url().endsWith(`/${saleAdd}`), `in Chromium, the sale saved is stored as "${soldSale}", leading to ${tab.url()}`);

    // The master-detail Add page with an upload: a file the server refuses brings the page back
    // with its message, the master values (a note holding markup) and the rows as typed; with
    // another file the save is stored and the page comes back empty.
    const folder = fs.mkdtempSync(path.join(os.tmpdir(), "weavo-ship-"));
    const [refusedFile, manifest] = [["x9.aspq", "<% %>"], ["manifest.txt", "cargo"]].map(([name, content]) => {
        fs.writeFileSync(path.join(folder, name), content);
        return path.join(folder, name);
    });
    await tab.goto(`${base}/${shipAdd}`, { waitUntil: "networkidle0" });
    await tab.type("#ctl00_KestraneWeavoContent_note", "Chromium <ark> &#38;");
    await tab.type("#ctl00_KestraneWeavoContent_tonnage", "7.25");
    for (const [n, item, quantity] of [[1, "sail", "2"], [2, "mast", "1"], [3, "oar", "9"]]) {
        await tab.click("input[value='Add New Row']");
        await tab.type(`input[name=item${n}]`, item);
        await tab.type(`input[name=quantity${n}]`, quantity);
    }
    await tab.click("input[name=delete3]");
    // The rows' upload and password, which no row can carry, have no column.
    const headers = await tab.$$eval("th.GridDataHeader", (cells) => cells.map((cell) => cell.textContent.trim()).join("|"));
    check(headers === "item|quantity|Delete Row", `in Chromium, the ship's grid has the columns ${headers}`);
    await (await tab.$("#ctl00_KestraneWeavoContent_scan")).uploadFile(refusedFile);
    await Promise.all([tab.waitForNavigation({ waitUntil: "networkidle0", timeout: 15000 }), tab.click("input[value=Commit]")]);
    const typedShipInTab = () => tab.evaluate(() => [document.getElementById("ctl00_KestraneWeavoContent_MessageLabel").textContent,
        ...["note", "tonnage"].map((name) => document.getElementById(`ctl00_KestraneWeavoContent_${name}`).value),
        ...[1, 2, 3].map((n) => `${document.getElementsByName(`item${n}`)[0]?.value} ${document.getElementsByName(`quantity${n}`)[0]?.value}` +
            (document.getElementsByName(`delete${n}`)[0]?.checked ? " ticked" : ""))].join("|"));
    const refusedShip = await typedShipInTab();
    check(refusedShip === "The file x9.aspq was not uploaded: files of this type are not accepted.|Chromium <ark> &#38;|7.25|sail 2|mast 1|oar 9 ticked" &&
        query("SELECT COUNT(*) FROM ship_basic WHERE note = 'Chromium <ark> &#38;'") === "0",
    `in Chromium, a refused ship shows ${refusedShip}`);
    await tab.screenshot({ path: `${shots}-RefusedShip.png`, fullPage: true });
    await (await tab.$("#ctl00_KestraneWeavoContent_scan")).uploadFile(manifest);
    await Promise.all([tab.waitForNavigation({ waitUntil: "networkidle0", timeout: 15000 }), tab.click("input[value=Commit]")]);
    const sailedShip = query("SELECT s.tonnage::numeric, d.item, d.quantity, d.label IS NULL AND d.code IS NULL FROM ship_basic s " +
        "JOIN ship_detail d ON d.ship_id = s.ship_basic_id WHERE s.note = 'Chromium <ark> &#38;' AND s.scan LIKE '%/manifest.txt' ORDER BY d.ship_detail_id");
    const emptied = await typedShipInTab();
    check(sailedShip === "7.25|sail|2|t\n7.25|mast|1|t" && tab.url().endsWith(`/${shipAdd}`) && emptied === "|||undefined undefined|undefined undefined|undefined undefined",
        `in Chromium, the ship saved is stored as "${sailedShip}", leading to ${tab.url()} showing ${emptied}`);
    // Clear empties the master values and the rows typed.
    await tab.type("#ctl00_KestraneWeavoContent_note", "cleared ark");
    await tab.click("input[value='Add New Row']");
    await tab.type("input[name=item1]", "keel");
    await Promise.all([tab.waitForNavigation({ waitUntil: "networkidle0", timeout: 15000 }), tab.click("input[value=Clear]")]);
    const cleared = await typedShipInTab();
    check(cleared === emptied, `in Chromium, the ship's Clear leaves ${cleared}`);
    // Its Update page keeps the rows' stored upload and password as they were.
    const ark = query("SELECT ship_basic_id FROM ship_basic WHERE note = 'Chromium <ark> &#38;'");
    query(`UPDATE ship_detail SET label = 'ark/label.txt', code = 'Ark-code1' WHERE ship_id = ${ark}`);
    await tab.goto(`${base}/${ui}/shipUpdate.aspx?ship_basic_id=${ark}`, { waitUntil: "networkidle0" });
    const sails = await tab.$("input[name=quantity1]");
    await sails.click({ clickCount: 3 });
    await sails.type("5");
    await tab.screenshot({ path: `${shots}-ShipUpdate.png`, fullPage: true });
    await Promise.all([tab.waitForNavigation({ waitUntil: "networkidle0", timeout: 15000 }), tab.click("input[value=Commit]")]);
    const updatedShip = query(`SELECT item, quantity, label, code FROM ship_detail WHERE ship_id = ${ark} ORDER BY ship_detail_id`);
    check(updatedShip === "sail|5|ark/label.txt|Ark-code1\nmast|1|ark/label.txt|Ark-code1" && tab.url().endsWith(`/${shipAdd}`),
        `in Chromium, the ship updated is stored as "${updatedShip}", leading to ${tab.url()}`);
    // Its Delete removes the ship with its rows and leads to the Add page.
    await tab.goto(`${base}/${ui}/shipUpdate.aspx?ship_basic_id=${ark}`, { waitUntil: "networkidle0" });
    await Promise.all([tab.waitForNavigation({ waitUntil: "networkidle0", timeout: 15000 }), tab.click("input[value=Delete]")]);
    const sunk = query(`SELECT (SELECT COUNT(*) FROM ship_basic WHERE ship_basic_id = ${ark}) || '|' || COUNT(*) FROM ship_detail WHERE ship_id = ${ark}`);
    check(sunk === "0|0" && tab.url().endsWith(`/${shipAdd}`), `in Chromium, the ship deleted leaves "${sunk}", leading to ${tab.url()}`);
    fs.rmSync(folder, { recursive: true, force: true });
    await texts.runInChromium(tab, base, shots);
    check(alerts.length === 0, `in Chromium, the page's script said ${alerts.join(" | ")}`);
    failures.push(...problems.map((problem) => `in Chromium: ${problem}`));
} catch (error) {
    failures.push(`in Chromium: ${error.stack || error}`);
} finally {
    await chromium.close();
}

process.exit(failures.length);
