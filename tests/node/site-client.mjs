// The plain HTTP client of the served-site tests: a client of the site at base that keeps its
// cookies and follows no redirect, the hidden fields of a page, and the login through the login
// page of the folder ui.
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

    return { Client, hiddenFields, login };
}
