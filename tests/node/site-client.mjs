// The plain HTTP client of the served-site tests: a client of the site at base that keeps its
// cookies and follows no redirect, the hidden fields of a page, the form of a page with an
// upload, and the login through the login page of the folder ui; and what a page's HTML shows.
import { plainText } from "./browser.mjs";

export function siteClients(base, ui) {
    // A client keeping its cookies, following no redirect.
    class Client {
        constructor() {
            this.cookies = new Map();
        }

        async request(page, { form, body, cookies = true } = {}) {
            const headers = cookies ? { Cookie: [...this.cookies].map(([k, v]) => `${k}=${v}`).join("; ") } : {};
            if (form) {
                body = new URLSearchParams(form).toString();
                headers["Content-Type"] = "application/x-www-form-urlencoded";
            }
            const response = await fetch(`${base}/${page}`, {
                method: body === undefined ? "GET" : "POST", headers, body, redirect: "manual",
            });
            const setCookies = response.headers.getSetCookie();
            for (const line of setCookies) {
                const [pair, ...attributes] = line.split(";");
                const name = pair.slice(0, pair.indexOf("=")).trim();
                const value = pair.slice(pair.indexOf("=") + 1).trim();
                const expired = attributes.some((a) => /^\s*expires=/i.test(a) && Date.parse(a.split("=")[1]) < Date.now());
                if (expired || value === "")
                    this.cookies.delete(name);
                else
                    this.cookies.set(name, value);
            }
            return {
                status: response.status, location: response.headers.get("location") || "", setCookies,
                text: await response.text(),
            };
        }

        // The page's token for its scripts, or "".
        async token(page) {
            return hiddenFields((await this.request(page)).text).REQUEST_TOKEN || "";
        }
    }

    function hiddenFields(html) {
        const fields = {};
        for (const input of html.match(/<input[^>]*type="hidden"[^>]*>/g) || []) {
            const name = /name="([^"]*)"/.exec(input);
            const value = /value="([^"]*)"/.exec(input);
            if (name)
                fields[name[1]] = value ? value[1].replace(/&amp;/g, "&").replace(/&quot;/g, '"') : "";
        }
        return fields;
    }

    async function login(client, user, password) {
        const page = await client.request(`${ui}/Login.aspx`);
        return client.request(`${ui}/Login.aspx`, {
            form: {
                ...hiddenFields(page.text), "ctl00$KestraneWeavoContent$user_name": user,
                "ctl00$KestraneWeavoContent$password": password, "ctl00$KestraneWeavoContent$Log_in": "Login",
            },
        });
    }

    // The form that a page with an upload posts, as its script sends it: the page's hidden fields
    // (its view state and token), the fields (in place of hidden fields of their names) and the
    // file input, holding the named file or, with neither name nor content, none.
    async function pageForm(client, page, fields, { field, name = "", content = "" }) {
        const form = new FormData();
        const given = new URLSearchParams(fields);
        for (const [key, value] of Object.entries(hiddenFields((await client.request(page)).text)))
            if (!given.has(key))
                form.append(key, value);
        for (const [key, value] of given)
            form.append(key, value);
        // A browser posts an input without a file as an empty one named ""; the client's form
        // leaves such a name out, so its own name for an unnamed file stands in.
        if (name === "" && content === "")
            form.append(`ctl00$KestraneWeavoContent$${field}`, new Blob([]));
        else
            form.append(`ctl00$KestraneWeavoContent$${field}`, new Blob([content]), name);
        return form;
    }

    return { Client, hiddenFields, login, pageForm };
}

// The tag of the page's input of that name, "" without one.
export function inputTag(html, name) {
    return new RegExp(`<input[^>]*name="${name.replace(/[$]/g, "\\$")}"[^>]*>`).exec(html)?.[0] || "";
}

// The value of the page's input of that name, its text decoded; null without one.
export function inputValue(html, name) {
    const input = inputTag(html, name);
    if (!input)
        return null;
    const value = /value="([^"]*)"/.exec(input)?.[1] || "";
    return value.replace(/&quot;/g, '"').replace(/&lt;/g, "<").replace(/&gt;/g, ">").replace(/&#39;/g, "'").replace(/&amp;/g, "&");
}

// The message label of a page with an upload, "" without one.
export function pageMessage(html) {
    return plainText(/<span[^>]*id="ctl00_KestraneWeavoContent_MessageLabel"[^>]*>([^<]*)<\/span>/.exec(html)?.[1] || "");
}
