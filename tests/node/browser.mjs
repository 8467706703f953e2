// Headless Chromium of the system for the browser tests, and a loopback file server.
import http from "node:http";
import fs from "node:fs";
import os from "node:os";
import path from "node:path";
import puppeteer from "puppeteer-core";

const contentTypes = {
    ".html": "text/html; charset=utf-8",
    ".js": "text/javascript",
    ".css": "text/css",
    ".xml": "text/xml",
    ".xsl": "text/xml",
    ".gif": "image/gif",
    ".jpg": "image/jpeg",
    ".bmp": "image/bmp",
};

// Serves files of the folders by URL prefix ("/answers/" -> folder) and pages kept in memory,
// on a free loopback port. Resolves to { server, url }.
export function serveFolders(folders, pages = {}) {
    const server = http.createServer((request, response) => {
        const url = decodeURIComponent(new URL(request.url, "http://127.0.0.1").pathname);
        if (url in pages) {
            response.writeHead(200, { "Content-Type": contentTypes[".html"] });
            response.end(pages[url]);
            return;
        }
        for (const [prefix, folder] of Object.entries(folders)) {
            if (!url.startsWith(prefix))
                continue;
            const file = path.join(folder, url.slice(prefix.length));
            if (!file.startsWith(folder) || !fs.existsSync(file) || !fs.statSync(file).isFile())
                break;
            response.writeHead(200, {
                "Content-Type": contentTypes[path.extname(file).toLowerCase()] || "application/octet-stream",
            });
            response.end(fs.readFileSync(file));
            return;
        }
        response.writeHead(404);
        response.end();
    });
    return new Promise((resolve) => {
        server.listen(0, "127.0.0.1", () => resolve({ server, url: `http://127.0.0.1:${server.address().port}` }));
    });
}

// Starts Debian's Chromium headless with a fresh profile; close() also removes the profile.
export async function launchChromium() {
    const profile = fs.mkdtempSync(path.join(os.tmpdir(), "weavo-chromium-"));
    const browser = await puppeteer.launch({
        executablePath: "/usr/bin/chromium",
        headless: true,
        userDataDir: profile,
        args: [
            "--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
            "--disable-background-networking", "--disable-component-update", "--disable-sync",
        ],
    });
    return {
        browser,
        async close() {
            await browser.close();
            fs.rmSync(profile, { recursive: true, force: true });
        },
    };
}

// A new tab of the browser whose script errors, console errors and failed answers go to the
// list.
export async function watchedTab(browser, failures) {
    const tab = await browser.newPage();
    await tab.setViewport({ width: 1024, height: 768 });
    tab.on("console", (message) => {
        if (message.type() === "error")
            failures.push(`console: ${message.text()}`);
    });
    tab.on("pageerror", (error) => failures.push(`script error: ${error.message || error}`));
    tab.on("requestfailed", (request) => failures.push(`request failed: ${request.url()}`));
    tab.on("response", (response) => {
        if (response.status() >= 400)
            failures.push(`${response.status()}: ${response.url()}`);
    });
    return tab;
}

// The text of an answer without its styles, scripts and tags, shortened.
export function plainText(html) {
    return html.replace(/<(style|script)[\s\S]*?<\/\1>/g, " ").replace(/<[^>]*>/g, " ")
        .replace(/&lt;/g, "<").replace(/&gt;/g, ">").replace(/&amp;/g, "&")
        .replace(/\s+/g, " ").trim().slice(0, 1500);
}
