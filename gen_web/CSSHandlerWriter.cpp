#include "gen_web/CSSHandlerWriter.h"

#include "gen_web/CodeLines.h"
#include "model/ForgeonProject.h"
#include "model/Identifiers.h"

CSSHandlerWriter::CSSHandlerWriter(const ForgeonProject& project, TextFile& file)
    : m_file(file), m_namespace(CSharpIdentifier(project.GetProjectName()))
{
}

void CSSHandlerWriter::Write()
{
    WriteHead();
    WriteProcessRequest();
    WriteRemoveComments();
    WriteSearchReplaceConstants();
    WriteStickContentIntoCache();
    m_file.Write(1, "}\n");
    m_file.Write(0, "}\n");
}

void CSSHandlerWriter::WriteHead()
{
    WriteCodeLines(m_file, {
                               {0, "using System;"},
                               {0, "using System.Web;"},
                               {0, "using System.Web.Caching;"},
                               {0, "using System.Data;"},
                               {0, "using System.Data.SqlClient;"},
                               {0, "using System.Configuration;"},
                               {0, "using System.IO;"},
                               {0, "using System.Text.RegularExpressions;"},
                               {0, "using System.Text;"},
                               {0, "using System.Web.UI;"},
                               {0, ""},
                               {0, ""},
                           });
    m_file.Write(0, "namespace %s\n", m_namespace);
    WriteCodeLines(m_file, {
                               {0, "{"},
                               {1, "public partial class CSSHandler: IHttpHandler"},
                               {1, "{"},
                               {2, "public bool IsReusable"},
                               {2, "{"},
                               {3, "get { return true; }"},
                               {2, "}"},
                           });
}

void CSSHandlerWriter::WriteProcessRequest()
{
    WriteCodeLines(
        m_file,
        {
            {2, "public void ProcessRequest(System.Web.HttpContext context)"},
            {2, "{"},
            {3, "try"},
            {3, "{"},
            {4, "string __FQPhysicalCSSFilePath = context.Request.PhysicalPath;"},
            {4, "string __LowerCSSFilePath = __FQPhysicalCSSFilePath.ToLower();"},
            {4, "string __CSSFileName = \"style.css\";"},
            {4, "if (__LowerCSSFilePath.Contains(\"ajaxstyle.css\"))"},
            {5, "__CSSFileName = \"ajaxstyle.css\";"},
            {4, "int __At = __LowerCSSFilePath.LastIndexOf(__CSSFileName);"},
            {4, "if (__At < 0)"},
            {5, "return;"},
            {4, "string __FQPhysicalConfigFilePath = __FQPhysicalCSSFilePath.Substring(0, __At) + "
                "\"styleconfig.css\" + __FQPhysicalCSSFilePath.Substring(__At + "
                "__CSSFileName.Length);"},
            {4, "if (!File.Exists(__FQPhysicalConfigFilePath) || "
                "!File.Exists(__FQPhysicalCSSFilePath))"},
            {5, "return;"},
            {4, "const string __CACHE_TOKEN_NAME = \"CSS_CONTENT\";"},
            {4, "string __PostProcessedCSSContent;"},
            {4, "HttpContext.Current.Cache.Remove(__CACHE_TOKEN_NAME);"},
            {4, "if (context.Cache[__CACHE_TOKEN_NAME] != null)"},
            {4, "{"},
            {5, "__PostProcessedCSSContent = (string)context.Cache[__CACHE_TOKEN_NAME];"},
            {4, "}"},
            {4, "else"},
            {4, "{"},
            {5, "string __SourceCSSContent;"},
            {5, "string __SourcereplaceCSSContent;"},
            {5, "using (StreamReader __Reader = new StreamReader(__FQPhysicalCSSFilePath))"},
            {6, "__SourceCSSContent = __Reader.ReadToEnd();"},
            {5, "using (StreamReader __Reader = new StreamReader(__FQPhysicalConfigFilePath))"},
            {6, "__SourcereplaceCSSContent = __Reader.ReadToEnd();"},
            {5, "__SourceCSSContent = _RemoveComments(__SourceCSSContent);"},
            {5, "__SourcereplaceCSSContent = _RemoveComments(__SourcereplaceCSSContent);"},
            {5, "__PostProcessedCSSContent = _SearchReplaceConstantsWithValues(__SourceCSSContent, "
                "__SourcereplaceCSSContent, __CACHE_TOKEN_NAME, __FQPhysicalCSSFilePath);"},
            {5, "_StickContentIntoCache(__PostProcessedCSSContent, __CACHE_TOKEN_NAME, "
                "__FQPhysicalCSSFilePath);"},
            {4, "}"},
            {4, "context.Response.ContentType = \"text/css\";"},
            {4, "context.Response.Write(__PostProcessedCSSContent);"},
            {3, "}"},
            {3, "catch (Exception ex)"},
            {3, "{"},
            {4, "context.Response.Write(ex.Message);"},
            {3, "}"},
            {2, "}"},
        });
}

void CSSHandlerWriter::WriteRemoveComments()
{
    WriteCodeLines(m_file,
                   {
                       {2, "private string _RemoveComments(string __SourceCSSContent)"},
                       {2, "{"},
                       {3, "return Regex.Replace("},
                       {4, "__SourceCSSContent, @\"/\\*.*?\\*/\", \"\", RegexOptions.Singleline);"},
                       {2, "}"},
                   });
}

void CSSHandlerWriter::WriteSearchReplaceConstants()
{
    WriteCodeLines(
        m_file,
        {
            {2, "private string _SearchReplaceConstantsWithValues("},
            {3, "string __SourceCSSContent,string __SourcereplaceCSSContent,"},
            {3, "string __CACHE_TOKEN_NAME, string __FQPhysicalCSSFilePath)"},
            {2, "{"},
            {3, "const string __REToCaptureEverythingBetweenCDRTag = "
                "@\"<KESTRANEWEAVO-CSS[^>]*>(.*?)</KESTRANEWEAVO-CSS>\";"},
            {3, "Regex __Regex = new Regex(__REToCaptureEverythingBetweenCDRTag, "
                "RegexOptions.Singleline);"},
            {3, "Match __Match = __Regex.Match(__SourcereplaceCSSContent);"},
            {3, "if (!__Match.Success)"},
            {4, "return __SourceCSSContent;"},
            {3, "__SourceCSSContent = __SourceCSSContent.Replace(__Match.Value, \"\").Trim();"},
            {3, "StringBuilder __Builder = new StringBuilder(__SourceCSSContent);"},
            {3, "string[] __Definitions = __Match.Groups[1].Value.Split(';');"},
            {3, "foreach (string __Definition in __Definitions)"},
            {3, "{"},
            {4, "if (__Definition.Trim().Length == 0)"},
            {5, "continue;"},
            {4, "string[] __Pair = __Definition.Split(new char[] { ':' }, 2);"},
            {4, "if (__Pair.Length != 2 || __Pair[0].Trim().Length == 0)"},
            {5, "continue;"},
            {4, "__Builder.Replace(\"@\" + __Pair[0].Trim(), __Pair[1].Trim());"},
            {3, "}"},
            {3, "return __Builder.ToString();"},
            {2, "}"},
        });
}

void CSSHandlerWriter::WriteStickContentIntoCache()
{
    WriteCodeLines(
        m_file,
        {
            {2, "private void _StickContentIntoCache("},
            {3, "string __PostProcessedCSSContent, string __CACHE_TOKEN_NAME,"},
            {3, "string __FQPhysicalCSSFilePath)"},
            {2, "{"},
            {3, "CacheDependency __CD = new CacheDependency(__FQPhysicalCSSFilePath);"},
            {3, "HttpContext.Current.Cache.Insert(__CACHE_TOKEN_NAME, __PostProcessedCSSContent, "
                "__CD);"},
            {2, "}"},
        });
}
