// Runs ASP.NET pages of an application folder in the web server's runtime. Each page is first
// compiled as on its first request (its markup turned into a class derived from its code-behind
// class in bin), then requested without an action and with ACTION=SHOW, whose answer must be
// XML; a page given with a query is requested with that query alone and must answer XML, and a
// page given with "!" and a form is posted that form and must answer XML. Prints each request
// that fails with the reasons and exits with the number of failures.
//   mono AspxPagesCheck.exe <application folder> BaseModule/UI/Page.aspx[?query|!form] ...
// The program lies in the application's bin folder, where the hosted application finds it.
using System;
using System.CodeDom.Compiler;
using System.IO;
using System.Web;
using System.Web.Compilation;
using System.Web.Hosting;
using System.Xml;

// A request of a page in a sub-folder, which the base class would take for a path and its path
// info, a GET or the POST of a form; records the status sent.
public class PageRequest : SimpleWorkerRequest
{
    public int Status = 200;
    readonly string m_page;
    readonly byte[] m_form;

    public PageRequest(string page, string query, string form, TextWriter output)
        : base(page, query, output)
    {
        m_page = page;
        m_form = form != null ? System.Text.Encoding.ASCII.GetBytes(form) : null;
    }

    public override string GetHttpVerbName()
    {
        return m_form != null ? "POST" : "GET";
    }

    public override string GetKnownRequestHeader(int index)
    {
        if (m_form != null && index == HeaderContentType)
            return "application/x-www-form-urlencoded";
        if (m_form != null && index == HeaderContentLength)
            return m_form.Length.ToString();
        return base.GetKnownRequestHeader(index);
    }

    public override byte[] GetPreloadedEntityBody()
    {
        return m_form;
    }

    public override bool IsEntireEntityBodyIsPreloaded()
    {
        return m_form != null;
    }

    public override string GetUriPath()
    {
        return "/" + m_page;
    }

    public override string GetFilePath()
    {
        return "/" + m_page;
    }

    public override string GetPathInfo()
    {
        return "";
    }

    public override string GetFilePathTranslated()
    {
        return Path.Combine(HttpRuntime.AppDomainAppPath, m_page);
    }

    public override void SendStatus(int statusCode, string statusDescription)
    {
        Status = statusCode;
        base.SendStatus(statusCode, statusDescription);
    }
}

public class AspxPagesHost : MarshalByRefObject
{
    // Null when the page compiles, else the reasons.
    public string Compile(string page)
    {
        HttpContext.Current = new HttpContext(new SimpleWorkerRequest("", "", new StringWriter()));
        try
        {
            BuildManager.GetCompiledType("~/" + page);
            return null;
        }
        catch (Exception e)
        {
            string text = e.Message;
            for (Exception inner = e; inner != null; inner = inner.InnerException)
            {
                var property = inner.GetType().GetProperty("Results");
                var results =
                    property != null ? property.GetValue(inner, null) as CompilerResults : null;
                if (results != null)
                    foreach (CompilerError error in results.Errors)
                        text += "\n" + error.ToString();
            }
            return text;
        }
    }

    // Null when the page answers with status 200 (and, when xml is set, well-formed XML), else
    // the status and the answer.
    public string Request(string page, string query, string form, bool xml)
    {
        var output = new StringWriter();
        var request = new PageRequest(page, query, form, output);
        HttpRuntime.ProcessRequest(request);
        string answer = output.ToString();
        if (request.Status != 200)
        {
            // The exceptions of the error page, without its markup.
            string reasons = "";
            foreach (string line in answer.Split('\n'))
                if (line.StartsWith("["))
                    reasons += "\n" + line;
            return "status " + request.Status + (reasons != "" ? reasons : "\n" + answer);
        }
        if (!xml)
            return null;
        try
        {
            new XmlDocument().LoadXml(answer);
            return null;
        }
        catch (XmlException e)
        {
            return e.Message + "\n" + answer;
        }
    }
}

public static class AspxPagesCheck
{
    public static int Main(string[] args)
    {
        var host = (AspxPagesHost)ApplicationHost.CreateApplicationHost(
            typeof(AspxPagesHost), "/", Path.GetFullPath(args[0]));
        int failed = 0;
        for (int i = 1; i < args.Length; i++)
        {
            string error;
            int query = args[i].IndexOf('?');
            int form = args[i].IndexOf('!');
            if (query >= 0)
                error = host.Request(args[i].Substring(0, query), args[i].Substring(query + 1),
                                     null, true);
            else if (form >= 0)
                error = host.Request(args[i].Substring(0, form), "", args[i].Substring(form + 1),
                                     true);
            else
            {
                error = host.Compile(args[i]);
                if (error == null)
                    error = host.Request(args[i], "", null, false);
                if (error == null)
                    error = host.Request(args[i], "ACTION=SHOW", null, true);
            }
            if (error == null)
                continue;
            failed++;
            Console.WriteLine(args[i] + ": " + error);
        }
        return failed;
    }
}
