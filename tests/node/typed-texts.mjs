// The texts and dates of the served "Guard" site with its typed pages, for kept-records-site.mjs:
// every page that stores a record refuses, in each field it reads (master and detail row), a
// character that no XML document carries after markup, naming the field, and runs no change; a page meeting
// such a character already stored still opens and shows it as U+FFFD where XML carries it, and so
// does a search report; a refused save of a master-detail page with an upload shows every value
// as typed, its dates and its rows' dates included. In Chromium the date box keeps a date typed
// with its slashes, without them and mixed, and a refused row date comes back as typed.
import fs from "node:fs";
import os from "node:os";
import path from "node:path";
import { inputValue, pageMessage } from "./site-client.mjs";

// One character of each kind that no XML document carries.
const uncarried = ["\u000b", "\u000c", "\u0001", "\ufffe"];
const uncarriedPattern = /[\u0000-\u0008\u000b\u000c\u000e-\u001f\ufffe\uffff]/;

// The site's helpers of kept-records-site.mjs: the folder of its pages, the administrator's
// client, the upload form, the database query, the statement log and the failure list.
export function typedTexts({ ui, admin, pageForm, query, statements, check }) {
    const changes = (before) => statements().slice(before).filter((line) => !/^\s*select/i.test(line));
    // Every row of the tables that the pages store: a master-detail page runs its master's
    // statement in the save that a refused row drops.
    const tables = ["category", "product", "sale_basic", "sale_detail", "order_basic", "order_detail", "ship_basic", "ship_detail",
        "delivery_basic", "delivery_detail", "document", "useraccount"];
    const stored = () => query(`SELECT md5(string_agg(x, '|' ORDER BY x)) FROM (${
        tables.map((table) => `SELECT '${table}' || t::text AS x FROM ${table} t`).join(" UNION ALL ")}) s`);
    let token = null;

    // Posts the fields to the page as its script does: an upload page's whole form, each master
    // value also under its control's name and no file; the answer and its message.
    async function post(page, fields, upload) {
        if (upload) {
            const posted = { ...fields };
            for (const name of upload.masters)
                if (name in fields)
                    posted[`ctl00$KestraneWeavoContent$${name}`] = fields[name];
            const answer = await admin.request(page, { body: await pageForm(admin, page, posted, { field: upload.field }) });
            return { answer, message: pageMessage(answer.text) };
        }
        token ??= await admin.token(`${ui}/categoryAdd.aspx`);
        const answer = await admin.request(page, { form: { ...fields, REQUEST_TOKEN: token } });
        const element = /<(messageDiv|messagestring)>([\s\S]*?)<\/\1>/.exec(answer.text)?.[2] ?? "";
        return { answer, message: element.replace(/&lt;/g, "<").replace(/&gt;/g, ">").replace(/&amp;/g, "&") };
    }

    // A sound save of each page that stores a record, by its file name in lower case: the page
    // with its query, the fields, the upload's file field and master fields, the captions its
    // messages give (the field's name otherwise) and the fields it does not read.
    function recordPages(ids) {
        const product = {
            name: "Hammer", category_id: ids.category, price: "12.75", stock: "7", weight: "1.25", ratio: "3",
            serial: "9007199254740993", made: "05/04/2020", sold_on: "31/12/2019", note: "Strong 'n' heavy", active: "on", grade: "F", sealed_: "on",
        };
        const sale = { note: "texts", sold: "05/04/2020", inp1: "1", item1: "bolt", quantity1: "2", price1: "1.5", shipped1: "06/04/2020" };
        const ship = { note: "Skiff", tonnage: "3", inp1: "1", item1: "net", quantity1: "1" };
        const delivery = { note: "Crates", due: "05/04/2026", inp1: "1", item1: "crate", landed1: "06/04/2026" };
        const order = { note: "texts", inp1: "1", item1: "ink", document_id1: "null" };
        const accounts = { username: "Username", password: "Password", confirm_password: "Confirm Password",
            new_password: "New Password", personnel_role_id: "Personnel Role" };
        const passwords = { new_password: "Texts-pass1", confirm_password: "Texts-pass1" };
        const shipUpload = { field: "scan", masters: ["note", "tonnage"] };
        const deliveryUpload = { field: "receipt", masters: ["note", "due"] };
        return {
            "categoryadd.aspx": { fields: { ACTION: "ADD", name: "Bolts" } },
            "categoryupdate.aspx": { query: `category_id=${ids.category}`, key: "category_id", fields: { ACTION: "UPDATE", category_id: ids.category, name: "Bolts" } },
            "productadd.aspx": { fields: { ACTION: "ADD", ...product }, captions: { sealed_: "sealed" }, everyField: true },
            "productupdate.aspx": { query: `product_id=${ids.product}`, key: "product_id", fields: { ACTION: "UPDATE", product_id: ids.product, ...product }, captions: { sealed_: "sealed" } },
            "saleadd.aspx": { fields: { ACTION: "ADD", ...sale, id1: "0" }, everyField: true },
            "saleupdate.aspx": { query: `sale_basic_id=${ids.sale}`, key: "sale_basic_id", fields: { ACTION: "UPDATE", sale_basic_id: ids.sale, ...sale, id1: ids.saleRow } },
            "orderadd.aspx": { fields: { ACTION: "ADD", ...order, id1: "0" } },
            "orderupdate.aspx": { query: `order_basic_id=${ids.order}`, key: "order_basic_id", fields: { ACTION: "UPDATE", order_basic_id: ids.order, ...order, id1: ids.orderRow } },
            "shipadd.aspx": { fields: { ACTION: "ADD", ...ship, id1: "0" }, upload: shipUpload },
            "shipupdate.aspx": { query: `ship_basic_id=${ids.ship}`, fields: { ACTION: "UPDATE", ...ship, id1: ids.shipRow }, upload: shipUpload },
            "deliveryadd.aspx": { fields: { ACTION: "ADD", ...delivery, id1: "0" }, upload: deliveryUpload },
            "deliveryupdate.aspx": { query: `delivery_basic_id=${ids.delivery}`, fields: { ACTION: "UPDATE", ...delivery, id1: ids.deliveryRow },
                upload: deliveryUpload },
            "documentadd.aspx": { fields: { ACTION: "ADD", title: "Deed" }, upload: { field: "scan", masters: ["title"] } },
            "documentupdate.aspx": { query: `document_id=${ids.document}`, fields: { ACTION: "UPDATE", title: "Deed" },
                upload: { field: "scan", masters: ["title"] } },
            "useraccountadd.aspx": { fields: { ACTION: "ADD", username: "texts", password: "Texts-pass1", confirm_password: "Texts-pass1",
                personnel_role_id: "1" }, captions: accounts },
            "useraccountupdate.aspx": { query: `useraccount_id=${ids.account}`, key: "useraccount_id", fields: { ACTION: "UPDATE", useraccount_id: ids.account,
                username: "keeper", personnel_role_id: "1", ...passwords }, captions: accounts },
            "changepassword_formadd.aspx": { fields: { ACTION: "ADD", username: "texts", password: "Texts-pass1", new_password: "Texts-pass1",
                confirm_password: "Texts-pass1", personnel_role_id: "1" }, captions: accounts },
            // The password page changes the logged-in account's password only.
            "changepassword_formupdate.aspx": { fields: { ACTION: "UPDATE", username: "admin", personnel_role_id: "1",
                password: ids.password, new_password: ids.password, confirm_password: ids.password },
                captions: accounts, unread: ["username", "personnel_role_id"] },
        };
    }

    // A field of the master and of row 1 that each page reads, every field on the pages with a
    // field of every type, with markup and one of the characters in turn: refused naming the field
    // (in its row), the markup read as any text.
    async function refuseInEveryField(pages, ids) {
        const known = recordPages(ids);
        let turn = 0;
        for (const page of pages) {
            const name = page.split("/").pop().toLowerCase();
            const spec = known[name];
            check(spec !== undefined, `typed texts: no sound save of ${page}, a page that stores a record`);
            if (spec === undefined)
                continue;
            const address = spec.query ? `${page}?${spec.query}` : page;
            const read = Object.keys(spec.fields).filter((field) =>
                !["ACTION", "inp1", "id1", spec.key].includes(field) && !spec.unread?.includes(field));
            // Every field on a page with a field of every type, else the first of the master and
            // of the row.
            const tried = spec.everyField ? read : [read.find((field) => !/1$/.test(field)), read.find((field) => /1$/.test(field))];
            for (const field of tried.filter((field) => field !== undefined)) {
                const row = /^(\w+?)1$/.exec(field);
                const caption = (spec.captions ?? {})[row ? row[1] : field] ?? (row ? row[1] : field);
                const character = uncarried[turn++ % uncarried.length];
                const { answer, message } = await post(address, { ...spec.fields, [field]: `${spec.fields[field]}<b>&#38;${character}` }, spec.upload);
                const expected = `Please enter ${caption}${row ? " in row no 1" : ""} without control characters`;
                check(answer.status === 200 && message === expected,
                    `${name} with U+${character.codePointAt(0).toString(16)} in ${field}: ${answer.status} "${message}"`);
            }
        }
    }

    // Texts holding each character stored beside the site (by a database tool or an earlier
    // version) at their end: every page showing them opens, the grids and the search report with
    // U+FFFD in its place. The texts but the document's title are stored back as they were, for
    // the pages used after.
    async function showStored(ids) {
        const texts = [["product", "note", "product_id", ids.product, 11], ["sale_detail", "item", "sale_detail_id", ids.saleRow, 12],
            ["order_detail", "item", "order_detail_id", ids.orderRow, 1], ["delivery_detail", "item", "delivery_detail_id", ids.deliveryRow, 65534],
            ["document", "title", "document_id", ids.document, 11]];
        const change = (value) => texts.map(([table, column, key, id, code]) =>
            `UPDATE ${table} SET ${column} = ${value(column, code)} WHERE ${key} = ${id};`).join(" ");
        query(change((column, code) => `${column} || chr(${code})`));
        const ends = (value, end) => value !== null && value.endsWith(end);
        for (const [page, shown] of [
            [`${ui}/productUpdate.aspx?product_id=${ids.product}`, (html) => html.includes("heavy\u000b")],
            [`${ui}/saleUpdate.aspx?sale_basic_id=${ids.sale}`, (html) => ends(inputValue(html, "item1"), "\ufffd")],
            [`${ui}/orderUpdate.aspx?order_basic_id=${ids.order}`, (html) => ends(inputValue(html, "item1"), "\ufffd")],
            [`${ui}/deliveryUpdate.aspx?delivery_basic_id=${ids.delivery}`, (html) => ends(inputValue(html, "item1"), "\ufffd")],
            [`${ui}/documentUpdate.aspx?document_id=${ids.document}`, (html) => html.includes("Deed\u000b")],
            [`${ui}/document_Report_report.aspx`, (html) => html.includes("Deed\ufffd")],
        ]) {
            const answer = await admin.request(page);
            check(answer.status === 200 && shown(answer.text), `a stored character: ${page} answers ${answer.status} ${answer.text.slice(0, 300)}`);
        }
        const report = await admin.request(`${ui}/document_Report_report.aspx`, { form: { ACTION: "SHOW" } });
        check(report.status === 200 && report.text.includes("Deed\ufffd") && !uncarriedPattern.test(report.text),
            `a stored character: the document report answers ${report.status} ${JSON.stringify(report.text.slice(0, 600))}`);
        query(change((column, code) => (column === "title" ? column : `rtrim(${column}, chr(${code}))`)));
    }

    // What an upload page shows of a delivery: each master value and each row's inputs, its
    // delete box under its name when ticked, in the order of their names.
    function shownDelivery(html) {
        const shown = Object.fromEntries(["note", "due"].map((name) => [name, inputValue(html, `ctl00$KestraneWeavoContent$${name}`)]));
        for (let n = 1; inputValue(html, `inp${n}`) !== null; n++)
            for (const name of ["inp", "id", "item", "landed"])
                shown[`${name}${n}`] = inputValue(html, `${name}${n}`);
        return JSON.stringify(Object.entries(shown).sort());
    }

    // Refused saves of the delivery pages show every value as typed, the dates of the master
    // and of each row, valid or not, included; and with a character no page carries in a row's
    // item, that item with U+FFFD in its place.
    async function keepTypedDates(ids) {
        const upload = { field: "receipt", masters: ["note", "due"] };
        const rows = { inp1: "1", item1: "crate", landed1: "31/02/2026", inp2: "2", item2: "box", landed2: "1/2/26",
            inp3: "3", item3: "bag", landed3: "05/04/2026" };
        for (const [page, key] of [[`${ui}/deliveryAdd.aspx`, "0"], [`${ui}/deliveryUpdate.aspx?delivery_basic_id=${ids.delivery}`, ids.deliveryRow]]) {
            for (const [label, fields, message, shown] of [
                ["a master date", { due: "1/2/26", landed1: "05/04/2026" }, "Please select valid due"],
                ["a row's date", { due: "31/12/2026" }, "Please enter valid landed in row no 1"],
                ["a row's control character", { due: "31/12/2026", landed1: "05/04/2026", item2: "bo\u000bx" },
                    "Please enter item in row no 2 without control characters", { item2: "bo\ufffdx" }],
            ]) {
                const typed = { note: "Crates", ...rows, id1: key, id2: "0", id3: "0", ...fields };
                const { answer, message: said } = await post(page, { ACTION: page.includes("Add") ? "ADD" : "UPDATE", ...typed }, upload);
                const expected = JSON.stringify(Object.entries({ ...typed, ...shown }).sort());
                check(answer.status === 200 && said === message && shownDelivery(answer.text) === expected,
                    `${page} with ${label}: ${answer.status} "${said}" showing ${shownDelivery(answer.text)}`);
            }
        }
    }

    // The records the checks work on: the first category, product and sale, the account
    // "keeper", and an order, a document, a ship and a delivery with a row each, saved by their
    // pages.
    async function recordIds(password) {
        token ??= await admin.token(`${ui}/categoryAdd.aspx`);
        const saved = async (page, fields, upload) => {
            const before = statements().length;
            const { answer, message } = await post(`${ui}/${page}`, fields, upload);
            check(changes(before).length > 0, `typed texts: saving on ${page}: ${answer.status} "${message}" ${answer.location}`);
        };
        await saved("orderAdd.aspx", { ACTION: "ADD", note: "kept", inp1: "1", id1: "0", item1: "ink", document_id1: "null" });
        await saved("documentAdd.aspx", { ACTION: "ADD", title: "Deed" }, { field: "scan", masters: ["title"] });
        await saved("shipAdd.aspx", { ACTION: "ADD", note: "Skiff", tonnage: "3", inp1: "1", id1: "0", item1: "net", quantity1: "1" },
            { field: "scan", masters: ["note", "tonnage"] });
        await saved("deliveryAdd.aspx", { ACTION: "ADD", note: "Crates", due: "05/04/2026", inp1: "1", id1: "0", item1: "crate", landed1: "5/4/2026" },
            { field: "receipt", masters: ["note", "due"] });
        const last = (table, key) => `(SELECT max(${key}) FROM ${table})`;
        const values = query("SELECT (SELECT min(category_id) FROM category), (SELECT min(product_id) FROM product), " +
            "(SELECT min(sale_basic_id) FROM sale_basic), (SELECT min(sale_detail_id) FROM sale_detail), " +
            `(SELECT useraccount_id FROM useraccount WHERE username = 'keeper'), ${last("order_basic", "order_basic_id")}, ` +
            `${last("order_detail", "order_detail_id")}, ${last("document", "document_id")}, ${last("ship_basic", "ship_basic_id")}, ` +
            `${last("ship_detail", "ship_detail_id")}, ${last("delivery_basic", "delivery_basic_id")}, ${last("delivery_detail", "delivery_detail_id")}, ` +
            "(SELECT b.due || ' ' || d.landed FROM delivery_basic b JOIN delivery_detail d ON d.delivery_id = b.delivery_basic_id " +
            "WHERE b.note = 'Crates')").split("|");
        const names = ["category", "product", "sale", "saleRow", "account", "order", "orderRow", "document", "ship", "shipRow",
            "delivery", "deliveryRow", "dates"];
        const ids = { password, ...Object.fromEntries(names.map((name, i) => [name, values[i] || "0"])) };
        check(ids.dates === "2026-04-05 2026-04-05", `typed texts: the delivery is stored with the dates ${ids.dates}`);
        return ids;
    }

    return {
        // The checks by a plain HTTP client over the pages (paths below the site) that store a
        // record, after the records of kept-records-site.mjs are saved.
        async run(pages, password) {
            const ids = await recordIds(password);
            const before = stored();
            await refuseInEveryField(pages, ids);
            await keepTypedDates(ids);
            check(stored() === before, "typed texts: a refused save changed the stored records");
            await showStored(ids);
        },

        // In Chromium, logged in: the date box typed with slashes, without and mixed, on a
        // delivery's master and its rows; a refused row date comes back as typed; the search
        // report that the page shows shows a stored character as U+FFFD.
        async runInChromium(tab, base, shots) {
            const folder = fs.mkdtempSync(path.join(os.tmpdir(), "weavo-delivery-"));
            const receipt = path.join(folder, "receipt.txt");
            fs.writeFileSync(receipt, "paid");
            await tab.goto(`${base}/${ui}/deliveryAdd.aspx`, { waitUntil: "networkidle0" });
            await tab.type("#ctl00_KestraneWeavoContent_note", "Typed crates");
            await tab.$eval("#ctl00_KestraneWeavoContent_due", (input) => { input.value = ""; });
            await tab.type("#ctl00_KestraneWeavoContent_due", "05/04/2026");
            const typed = ["5/4/2026", "06042026", "07/4/2026", "31022026"];
            for (const [i, text] of typed.entries()) {
                await tab.click("input[value='Add New Row']");
                await tab.type(`input[name=item${i + 1}]`, `crate ${i + 1}`);
                await tab.$eval(`input[name=landed${i + 1}]`, (input) => { input.value = ""; });
                await tab.type(`input[name=landed${i + 1}]`, text);
            }
            const boxes = () => tab.evaluate(() => [document.getElementById("ctl00_KestraneWeavoContent_due").value,
                ...[1, 2, 3, 4].map((n) => document.getElementsByName(`landed${n}`)[0]?.value)].join("|"));
            const shown = await boxes();
            check(shown === "05/04/2026|5/4/2026|06/04/2026|07/4/2026|31/02/2026", `in Chromium, the date boxes hold ${shown}`);
            await (await tab.$("#ctl00_KestraneWeavoContent_receipt")).uploadFile(receipt);
            await Promise.all([tab.waitForNavigation({ waitUntil: "networkidle0", timeout: 15000 }), tab.click("input[value=Commit]")]);
            const refused = await tab.evaluate(() => document.getElementById("ctl00_KestraneWeavoContent_MessageLabel").textContent);
            const kept = await boxes();
            check(refused === "Please enter valid landed in row no 4" && kept === shown,
                `in Chromium, a delivery with the row date "31/02/2026" shows "${refused}" with ${kept}`);
            await tab.screenshot({ path: `${shots}-RefusedDates.png`, fullPage: true });
            await tab.$eval("input[name=landed4]", (input) => { input.value = ""; });
            await tab.type("input[name=landed4]", "28/02/2026");
            await (await tab.$("#ctl00_KestraneWeavoContent_receipt")).uploadFile(receipt);
            await Promise.all([tab.waitForNavigation({ waitUntil: "networkidle0", timeout: 15000 }), tab.click("input[value=Commit]")]);
            const stored = query("SELECT b.due, d.landed FROM delivery_basic b JOIN delivery_detail d ON d.delivery_id = b.delivery_basic_id " +
                "WHERE b.note = 'Typed crates' ORDER BY d.delivery_detail_id").replace(/\n/g, " ");
            check(stored === "2026-04-05|2026-04-05 2026-04-05|2026-04-06 2026-04-05|2026-04-07 2026-04-05|2026-02-28",
                `in Chromium, the typed delivery is stored as ${stored}`);
            fs.rmSync(folder, { recursive: true, force: true });

            await tab.goto(`${base}/${ui}/document_Report_report.aspx`, { waitUntil: "networkidle0" });
            const listed = await tab.$eval("#ctl00_KestraneWeavoContent_reportDiv", (div) => div.textContent);
            check(listed.includes("Deed\ufffd"), `in Chromium, the report over a stored character lists ${listed}`);
            await tab.screenshot({ path: `${shots}-StoredCharacter.png`, fullPage: true });
        },
    };
}
