// Compiles ASP.NET pages of an application folder the way the web server does on a page's first
// request: the markup is parsed and turned into a class derived from its code-behind class in
// bin, and that class is compiled. Prints each page that fails with the reasons and exits with
// the number of pages that failed.
//   mono AspxCompileCheck.exe <application folder> ~/Module/UI/Page.aspx ...
// The program lies in the application's bin folder, where the hosted application finds it.
using System;
using System.CodeDom.Compiler;
using System.IO;
using System.Web;
using System.Web.Compilation;
using System.Web.Hosting;

public class AspxCompileHost : MarshalByRefObject
{
    public string Compile(string page)
    {
        HttpContext.Current = new HttpContext(new SimpleWorkerRequest("", "", new StringWriter()));
        try
        {
            BuildManager.GetCompiledType(page);
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
}

public static class AspxCompileCheck
{
    public static int Main(string[] args)
    {
        var host = (AspxCompileHost)ApplicationHost.CreateApplicationHost(
            typeof(AspxCompileHost), "/", Path.GetFullPath(args[0]));
        int failed = 0;
        for (int i = 1; i < args.Length; i++)
        {
            string error = host.Compile(args[i]);
            if (error == null)
                continue;
            failed++;
            Console.WriteLine(args[i] + ": " + error);
        }
        return failed;
    }
}
