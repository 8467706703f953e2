#include "gen_web/UtilHandlerWriter.h"

#include "gen_web/CodeLines.h"
#include "gen_web/PageReach.h"
#include "model/ForgeonProject.h"
#include "model/Identifiers.h"
#include "model/Module.h"
#include "platform/core/LiteralEscaping.h"
#include "platform/core/TextBytes.h"

#include <cstdio>

UtilHandlerWriter::UtilHandlerWriter(const ForgeonProject& project, TextFile& file)
    : m_project(project), m_file(file), m_namespace(CSharpIdentifier(project.GetProjectName()))
{
}

void UtilHandlerWriter::Write()
{
    WriteUsings();
    m_file.Write(1, "public partial class UtilHandler\n");
    m_file.Write(1, "{\n");
    WriteConvertToXML();
    WriteConvertDate();
    WriteGetDateAsMMDDYYYY();
    WriteSqlHelpers();
    WritePostedValueReader();
    WriteGetValueOfField();
    WriteGetValueOfVariable();
    WriteGetFileName();
    WriteIsExecutableFile();
    WriteHashPassword();
    WritePageGuard();
    WriteAccountChecks();
    WriteDetailCheck();
    WritePageMessage();
    WriteRecordChecks();
    WriteRowNumberCheck();
    WriteUploadStore();
    WriteControlCharacterCheck();
    WriteXmlCharacterCheck();
    WritePrintedReports();
    m_file.Write(1, "}\n");
    WriteFieldValues();
    WriteSaveRefusedException();
    WriteApplicationModule();
    m_file.Write(0, "}\n");
    WriteUploadedFileHandler();
}

void UtilHandlerWriter::WriteUsings()
{
    WriteCodeLines(m_file, {
                               {0, "using System;"},
                               {0, "using System.Data;"},
                               {0, "using System.Text;"},
                               {0, "using System.Data.SqlClient;"},
                               {0, "using System.Collections;"},
                               {0, "using System.Security.Cryptography;"},
                               {0, ""},
                               {0, ""},
                           });
    m_file.Write(0, "namespace %s\n", m_namespace);
    m_file.Write(0, "{\n");
}

void UtilHandlerWriter::WriteConvertToXML()
{
    WriteCodeLines(m_file, {
                               {2, "public string ConvertToXML(string value)"},
                               {2, "{"},
                               {3, "if (value == null)"},
                               {4, "return value;"},
                               {3, "value = CarriedText(value);"},
                               {3, "value = value.Replace(\"&\", \"&amp;\");"},
                               {3, "value = value.Replace(\"<\", \"&lt;\");"},
                               {3, "value = value.Replace(\">\", \"&gt;\");"},
                               {3, "value = value.Replace(\"'\", \"&apos;\");"},
                               {3, "value = value.Replace(\"\\\"\", \"&quot;\");"},
                               {3, "return value;"},
                               {2, "}"},
                           });
}

void UtilHandlerWriter::WriteConvertDate()
{
    WriteCodeLines(
        m_file, {
                    {2, "public string ConvertDate(string orgDate)"},
                    {2, "{"},
                    {3, "string result = \"\";"},
                    {3, "if (!String.IsNullOrEmpty(orgDate))"},
                    {3, "{"},
                    {4, "string[] dateString = orgDate.Split('/');"},
                    {4, "if (dateString.Length != 3)"},
                    {5, "dateString = orgDate.Split('-');"},
                    {4, "if (dateString.Length == 3)"},
                    {4, "{"},
                    {5, "if (dateString[2].Length > 4)"},
                    {6, "dateString[2] = dateString[2].Remove(4, dateString[2].Length -4);"},
                    {5, "result = dateString[1] + \"/\" + dateString[0] + \"/\" + dateString[2];"},
                    {4, "}"},
                    {3, "}"},
                    {3, "if (result.Length == 0)"},
                    {4, "return orgDate;"},
                    {3, "return result;"},
                    {2, "}"},
                });
}

void UtilHandlerWriter::WriteGetDateAsMMDDYYYY()
{
    WriteCodeLines(m_file,
                   {
                       {2, "public string getDateAsMMDDYYYY()"},
                       {2, "{"},
                       {3, "DateTime today = DateTime.Now;"},
                       {3, "return today.Month.ToString() + \"/\" + today.Day.ToString() + \"/\" + "
                           "today.Year.ToString();"},
                       {2, "}"},
                   });
}

void UtilHandlerWriter::WriteSqlHelpers()
{
    WriteCodeLines(m_file,
                   {
                       {2, "public String ReplaceSingleQuoteInString(String convertString)"},
                       {2, "{"},
                       {3, "if (convertString == null)"},
                       {4, "return convertString;"},
                       {3, "return convertString.Replace(\"'\", \"''\");"},
                       {2, "}"},
                       {2, "//Returns the trimmed value when it is a decimal number, else refused"},
                       {2, "public String ToSqlNumber(String value, String refused)"},
                       {2, "{"},
                       {3, "if (value == null)"},
                       {4, "return refused;"},
                       {3, "String number = value.Trim();"},
                       {3, "int digits = 0;"},
                       {3, "int points = 0;"},
                       {3, "for (int i = 0; i < number.Length; i++)"},
                       {3, "{"},
                       {4, "char c = number[i];"},
                       {4, "if (c >= '0' && c <= '9')"},
                       {5, "digits++;"},
                       {4, "else if (c == '.')"},
                       {5, "points++;"},
                       {4, "else if (i != 0 || (c != '-' && c != '+'))"},
                       {5, "return refused;"},
                       {3, "}"},
                       {3, "if (digits == 0 || points > 1)"},
                       {4, "return refused;"},
                       {3, "return number;"},
                       {2, "}"},
                   });
}

void UtilHandlerWriter::WritePostedValueReader()
{
    CString format = m_project.GetDateFormat();
    format.MakeLower();
    WriteCodeLines(
        m_file,
        {
            {2,
             "//How ReadPosted reads a field: a number as the page shows it, a date in the page's "
             "form, a value"},
            {2, "//the page requires, a choice of a list (\"null\" for none), a field that a "
                "browser leaves out"},
            {2, "//by design (an unchecked check box, a disabled control, a radio list without a "
                "choice)"},
            {2, "public const int READ_NUMBER = 1;"},
            {2, "public const int READ_DATE = 2;"},
            {2, "public const int READ_REQUIRED = 4;"},
            {2, "public const int READ_CHOICE = 8;"},
            {2, "public const int READ_MAY_BE_ABSENT = 16;"},
            {2,
             "//A number of an int or a bigint column: a whole number within the column's range"},
            {2, "public const int READ_INT = 32;"},
            {2, "public const int READ_BIGINT = 64;"},
        });
    m_file.Write(2, "public const String DATE_FORMAT = \"%s\";\n", EscapeCSharpString(format));
    WriteCodeLines(
        m_file,
        {
            {2,
             "//A posted field read by the page's rule, a date given back month first as the SQL "
             "reads it; null"},
            {2,
             "//when the post leaves out a field that may be left out. Anything else refuses the "
             "save with the"},
            {2, "//message of the page's script naming the field (in its row of a detail grid when "
                "row is set)."},
            {2, "public String ReadPosted(String value, String name, String caption, int rule, "
                "String row)"},
            {2, "{"},
            {3, "String where = row == null ? \"\" : \" in row no \" + row;"},
            {3, "if (value == null)"},
            {3, "{"},
            {4, "if ((rule & READ_MAY_BE_ABSENT) != 0)"},
            {5, "return null;"},
            {4, "throw new SaveRefusedException(\"The form did not send \" + caption + where + "
                "\".\");"},
            {3, "}"},
            {3, "if (HasUncarriedCharacter(value))"},
            {4, "throw new SaveRefusedException(\"Please enter \" + caption + where + \" without "
                "control characters\");"},
            {3, "bool choice = (rule & READ_CHOICE) != 0;"},
            {3, "String trimmed = value.Trim();"},
            {3, "if (trimmed.Length == 0 || (choice && (value == \"null\" || (row != null && "
                "trimmed == \"0\"))))"},
            {3, "{"},
            {4, "if ((rule & READ_REQUIRED) != 0)"},
            {5, "throw new SaveRefusedException((choice ? \"Please select \" : \"Please enter \") "
                "+ caption + where);"},
            {4, "return value;"},
            {3, "}"},
            {3, "if ((rule & READ_NUMBER) != 0 && (ToSqlNumber(value, null) == null || "
                "!FitsWholeNumberRule(trimmed, rule)))"},
            {4, "throw new SaveRefusedException(\"Please enter valid numeric value for \" + name + "
                "where);"},
            {3, "if ((rule & READ_DATE) == 0)"},
            {4, "return value;"},
            {3, "String date = MonthFirstDate(value);"},
            {3, "if (date == null)"},
            {4, "throw new SaveRefusedException((row == null ? \"Please select valid \" : \"Please "
                "enter valid \") + caption + where);"},
            {3, "return date;"},
            {2, "}"},
            {2, "//A number (digits, a point, a leading sign) that the rule's int or bigint "
                "column can hold: digits"},
            {2, "//after an optional sign, within 32 or 64 bits; any number when the rule asks "
                "for neither"},
            {2, "public bool FitsWholeNumberRule(String number, int rule)"},
            {2, "{"},
            {3, "if ((rule & (READ_INT | READ_BIGINT)) == 0)"},
            {4, "return true;"},
            {3, "long whole;"},
            {3, "if (number.IndexOf('.') >= 0 || !Int64.TryParse(number, "
                "System.Globalization.NumberStyles.AllowLeadingSign,"},
            {4, "System.Globalization.CultureInfo.InvariantCulture, out whole))"},
            {4, "return false;"},
            {3, "return (rule & READ_INT) == 0 || (whole >= Int32.MinValue && whole <= "
                "Int32.MaxValue);"},
            {2, "}"},
            {2, "//A date of the calendar in the page's form (\"/\" or \"-\" between its parts, a "
                "year of four"},
            {2, "//digits) as month/day/year; null for any other text"},
            {2, "public String MonthFirstDate(String value)"},
            {2, "{"},
            {3, "String[] parts = value.Trim().Split('/', '-');"},
            {3, "String[] order = DATE_FORMAT.Split('/', '-');"},
            {3, "if (parts.Length != 3 || order.Length != 3)"},
            {4, "return null;"},
            {3, "int day = 0, month = 0, year = 0;"},
            {3, "for (int i = 0; i < 3; i++)"},
            {3, "{"},
            {4, "if (parts[i].Length == 0 || parts[i].Length > 9)"},
            {5, "return null;"},
            {4, "foreach (char c in parts[i])"},
            {4, "{"},
            {5, "if (c < '0' || c > '9')"},
            {6, "return null;"},
            {4, "}"},
            {4, "int number = Int32.Parse(parts[i], "
                "System.Globalization.CultureInfo.InvariantCulture);"},
            {4, "if (order[i].StartsWith(\"d\"))"},
            {5, "day = number;"},
            {4, "else if (order[i].StartsWith(\"m\"))"},
            {5, "month = number;"},
            {4, "else if (parts[i].Length == 4)"},
            {5, "year = number;"},
            {3, "}"},
            {3, "if (month < 1 || month > 12 || day < 1 || year < 1 || day > "
                "DateTime.DaysInMonth(year, month))"},
            {4, "return null;"},
            {3, "return month.ToString(\"00\") + \"/\" + day.ToString(\"00\") + \"/\" + "
                "year.ToString(\"0000\");"},
            {2, "}"},
            {2, "//A stored date as the queries give it (month/day/year, a time after the year "
                "left out) in the"},
            {2, "//page's form; any other text as it stands"},
            {2, "public String ShownDate(String stored)"},
            {2, "{"},
            {3, "if (String.IsNullOrEmpty(stored))"},
            {4, "return stored;"},
            {3, "String[] parts = stored.Split('/');"},
            {3, "String[] order = DATE_FORMAT.Split('/', '-');"},
            {3, "if (parts.Length != 3 || order.Length != 3)"},
            {4, "return stored;"},
            {3, "String year = parts[2].Length > 4 ? parts[2].Substring(0, 4) : parts[2];"},
            {3, "String shown = \"\";"},
            {3, "for (int i = 0; i < 3; i++)"},
            {3, "{"},
            {4, "if (i > 0)"},
            {5, "shown += DATE_FORMAT.IndexOf('-') >= 0 ? \"-\" : \"/\";"},
            {4, "shown += order[i].StartsWith(\"d\") ? parts[1] : order[i].StartsWith(\"m\") ? "
                "parts[0] : year;"},
            {3, "}"},
            {3, "return shown;"},
            {2, "}"},
        });
}

void UtilHandlerWriter::WriteGetValueOfField()
{
    WriteCodeLines(m_file, {
                               {2, "public String GetValueOfField(ArrayList strA, String field)"},
                               {2, "{"},
                               {3, "foreach (FieldValues fieldValue in strA)"},
                               {3, "{"},
                               {4, "if (fieldValue.m_fieldName == field)"},
                               {5, "return ConvertToXML(fieldValue.m_value);"},
                               {3, "}"},
                               {3, "return \"\";"},
                               {2, "}"},
                           });
}

void UtilHandlerWriter::WriteGetValueOfVariable()
{
    WriteCodeLines(m_file,
                   {
                       {2, "public string GetValueOfVariable(string varName, string[,] values)"},
                       {2, "{"},
                       {3, "string value = \"null\";"},
                       {3, "for (int i = 0; i < values.GetLength(0); i++)"},
                       {3, "{"},
                       {4, "if (values[i, 0] == varName)"},
                       {4, "{"},
                       {5, "value = values[i, 1];"},
                       {5, "if (value == \"\")"},
                       {6, "value = \"null\";"},
                       {5, "break;"},
                       {4, "}"},
                       {3, "}"},
                       {3, "return value;"},
                       {2, "}"},
                       {2, "//The text posted as it stands, \"\" when none: a password, where "
                           "\"null\" is a text like any other"},
                       {2, "public string GetTextOfVariable(string varName, string[,] values)"},
                       {2, "{"},
                       {3, "for (int i = 0; i < values.GetLength(0); i++)"},
                       {3, "{"},
                       {4, "if (values[i, 0] == varName)"},
                       {5, "return values[i, 1] == null ? \"\" : values[i, 1];"},
                       {3, "}"},
                       {3, "return \"\";"},
                       {2, "}"},
                   });
}

void UtilHandlerWriter::WriteGetFileName()
{
    WriteCodeLines(m_file, {
                               {2, "public string GetFileName(String path)"},
                               {2, "{"},
                               {3, "String name = path.Substring(path.LastIndexOf('\\\\') + 1);"},
                               {3, "return name.Substring(name.LastIndexOf('/') + 1);"},
                               {2, "}"},
                           });
}

void UtilHandlerWriter::WriteIsExecutableFile()
{
    WriteCodeLines(m_file, {
                               {2, "//True for a file name that the web server could run, by "
                                   "any of its script mappings, or a"},
                               {2, "//browser could run as markup or script; case, trailing "
                                   "dots and blanks aside"},
                               {2, "public bool IsExecutableFile(String fileName)"},
                               {2, "{"},
                               {3, "String[] refused = { \".aspx\", \".asmx\", \".ashx\", "
                                   "\".asax\", \".ascx\", \".asp\", \".asa\", \".cdx\", "
                                   "\".cer\", \".idc\", \".stm\", \".shtm\", \".shtml\", "
                                   "\".htr\", \".htw\", \".ida\", \".idq\", \".printer\", "
                                   "\".axd\", \".rem\", \".soap\", \".svc\", \".vsdisco\", "
                                   "\".xamlx\", \".xoml\", \".rules\", \".cshtml\", "
                                   "\".vbhtml\", \".config\", \".cs\", \".vb\", "
                                   "\".csproj\", \".vbproj\", \".webinfo\", \".licx\", "
                                   "\".resx\", \".resources\", \".master\", \".skin\", "
                                   "\".browser\", \".sitemap\", \".dll\", \".exe\", "
                                   "\".bat\", \".cmd\", \".com\", \".php\", \".pl\", "
                                   "\".htm\", \".html\", \".xhtml\", \".svg\", "
                                   "\".svgz\", \".xml\", \".xsl\", \".xslt\", \".js\", "
                                   "\".mht\", \".mhtml\", \".hta\", \".swf\" };"},
                               {3, "String name = "
                                   "fileName.Trim().TrimEnd('.', ' ').ToLowerInvariant();"},
                               {3, "if (name.IndexOf(':') >= 0 || name.IndexOf(';') >= 0)"},
                               {4, "return true;"},
                               {3, "String alias = ShortExtension(name);"},
                               {3, "foreach (String extension in refused)"},
                               {3, "{"},
                               {4, "if (name.EndsWith(extension) || alias == extension)"},
                               {5, "return true;"},
                               {3, "}"},
                               {3, "return false;"},
                               {2, "}"},
                               {2, "//The extension of the short name that the server's file "
                                   "system gives a long one: the first"},
                               {2, "//three characters of its own, blanks left out; \"\" without "
                                   "one"},
                               {2, "String ShortExtension(String name)"},
                               {2, "{"},
                               {3, "int dot = name.LastIndexOf('.');"},
                               {3, "if (dot < 0)"},
                               {4, "return \"\";"},
                               {3, "String extension = name.Substring(dot + 1).Replace(\" \", "
                                   "\"\");"},
                               {3, "return \".\" + (extension.Length > 3 ? "
                                   "extension.Substring(0, 3) : extension);"},
                               {2, "}"},
                               {2, "//True for a name that the server's file system cannot store "
                                   "as it stands: a device's"},
                               {2, "//name, with or without an extension, or one ending in a dot "
                                   "or a blank, which it drops"},
                               {2, "public bool IsUnstorableFileName(String name)"},
                               {2, "{"},
                               {3, "if (name.EndsWith(\".\") || name.EndsWith(\" \"))"},
                               {4, "return true;"},
                               {3, "int dot = name.IndexOf('.');"},
                               {3, "String stem = (dot < 0 ? name : name.Substring(0, "
                                   "dot)).TrimEnd(' ').ToUpperInvariant();"},
                               {3, "String[] devices = { \"CON\", \"PRN\", \"AUX\", "
                                   "\"NUL\", \"CONIN$\", \"CONOUT$\" };"},
                               {3, "if (Array.IndexOf(devices, stem) >= 0)"},
                               {4, "return true;"},
                               {3, "return stem.Length == 4 && (stem.StartsWith(\"COM\") || "
                                   "stem.StartsWith(\"LPT\")) &&"},
                               {4, "\"0123456789\\u00b9\\u00b2\\u00b3\".IndexOf(stem[3]) "
                                   ">= 0;"},
                               {2, "}"},
                           });
}

void UtilHandlerWriter::WriteHashPassword()
{
    WriteCodeLines(
        m_file,
        {
            {2, "//The stored form of a password: the mark of the scheme and the salted digest of "
                "its UTF-8 bytes in base 64"},
            {2, "public string HashPassword(string password, int id)"},
            {2, "{"},
            {3,
             "return PASSWORD_SCHEME + Convert.ToBase64String(SaltedDigest(Encoding.UTF8.GetBytes("
             "password), id));"},
            {2, "}"},
            {2, "const string PASSWORD_SCHEME = \"U8:\";"},
            {2,
             "//The stored form of the first scheme: the digest of the ASCII bytes, read back as "
             "ASCII"},
            {2, "string HashPasswordAsAscii(string password, int id)"},
            {2, "{"},
            {3, "ASCIIEncoding encoder = new ASCIIEncoding();"},
            {3, "return encoder.GetString(SaltedDigest(encoder.GetBytes(password), id));"},
            {2, "}"},
            {2, "//True when the stored form, of either scheme, is that of the typed password; "
                "an account stored"},
            {2, "//without a password (the default one, until it sets its own) takes only none"},
            {2, "public bool IsStoredPassword(string typed, int id, string stored)"},
            {2, "{"},
            {3, "if (stored == \"\")"},
            {4, "return String.IsNullOrEmpty(typed);"},
            {3, "bool marked = stored.Length == PASSWORD_SCHEME.Length + 28 && "
                "stored.StartsWith(PASSWORD_SCHEME);"},
            {3, "return (marked ? HashPassword(typed, id) : HashPasswordAsAscii(typed, id)) == "
                "stored;"},
            {2, "}"},
            {2, "Byte[] SaltedDigest(Byte[] passwordBytes, int id)"},
            {2, "{"},
            {3, "//create an arbitrary salt using id"},
            {3, "int salt = unchecked(id + (4729133 << 16));"},
            {3, "salt = unchecked(salt + 861257);"},
            {3, "Byte[] idBytes = new Byte[4];"},
            {3, "idBytes[0] = (Byte)(salt >> 24);"},
            {3, "idBytes[1] = (Byte)(salt >> 16);"},
            {3, "idBytes[2] = (Byte)(salt >> 8);"},
            {3, "idBytes[3] = (Byte)(salt >> 0);"},
            {3, "//creating he hashing bytes using passward and salt"},
            {3, "Byte[] hashInput = new Byte[passwordBytes.Length + idBytes.Length];"},
            {3, "Array.Copy(passwordBytes, 0, hashInput, 0, passwordBytes.Length);"},
            {3, "Array.Copy(idBytes, 0, hashInput, passwordBytes.Length, idBytes.Length);"},
            {3, "SHA1 sha1 = SHA1.Create();"},
            {3, "return sha1.ComputeHash(hashInput);"},
            {2, "}"},
        });
}

void UtilHandlerWriter::WriteFieldValues()
{
    WriteCodeLines(m_file, {
                               {1, "public struct FieldValues"},
                               {1, "{"},
                               {2, "public String m_fieldName;"},
                               {2, "public String m_value;"},
                               {1, "}"},
                           });
}

void UtilHandlerWriter::WriteSaveRefusedException()
{
    WriteCodeLines(m_file, {
                               {1, "//Ends a save that cannot be done whole: the page drops all "
                                   "of it and shows the message"},
                               {1, "public class SaveRefusedException : Exception"},
                               {1, "{"},
                               {2, "public SaveRefusedException(String message) : base(message)"},
                               {2, "{"},
                               {2, "}"},
                               {1, "}"},
                           });
}

void UtilHandlerWriter::WritePageGuard()
{
    WriteCodeLines(
        m_file,
        {
            {2, "//Where to send a request instead of answering it: the login page when no one is "
                "logged in,"},
            {2, "//when the role may not open the page or when a state-changing action comes"},
            {2, "//without a POST carrying the session's token; the password page while the "
                "account must set"},
            {2, "//its password. Null when the page answers; the page then carries the token for "
                "its scripts."},
            {2, "public String RefusedPageUrl(System.Web.UI.Page page, String loginUrl)"},
            {2, "{"},
            {3, "System.Web.SessionState.HttpSessionState session = page.Session;"},
            {3, "Object role = LoggedInRole(session, page.Request);"},
            {3, "if (role == null)"},
            {4, "return loginUrl;"},
            {3, "bool passwordRequired = session[\"password_required\"] != null && "
                "ASPXMenuWriter.PASSWORD_PAGE != \"\";"},
            {3, "if (passwordRequired || role.ToString() != ASPXMenuWriter.ADMINISTRATOR_ROLE)"},
            {3, "{"},
            {4, "String path = page.Request.AppRelativeCurrentExecutionFilePath.ToLower();"},
            {4, "if (passwordRequired && path != ASPXMenuWriter.PASSWORD_PAGE.ToLower())"},
            {5, "return ASPXMenuWriter.PASSWORD_PAGE;"},
            {4, "if (!passwordRequired && !new ASPXMenuWriter().MayOpen(role.ToString(), path))"},
            {5, "return loginUrl + \"?Refused=1\";"},
            {3, "}"},
            {3, "if (!IsActionAllowed(page, role.ToString()))"},
            {4, "return loginUrl + \"?Refused=1\";"},
            {3, "if (!IsAccountUnchanged(session))"},
            {3, "{"},
            {4, "session.Abandon();"},
            {4, "return loginUrl;"},
            {3, "}"},
            {3, "page.ClientScript.RegisterHiddenField(\"REQUEST_TOKEN\", "
                "Convert.ToString(session[\"request_token\"]));"},
            {3, "return null;"},
            {2, "}"},
            {2, "//True for a request without an action or with a read-only one, and for a POST "
                "with the session's token"},
            {2, "//to a page on whose records the role acts"},
            {2, "bool IsActionAllowed(System.Web.UI.Page page, String role)"},
            {2, "{"},
            {3, "String action = page.Request.Params[\"ACTION\"];"},
            {3, "String[] readOnly = { \"LOAD\", \"UPDATECONTROLS\", \"REFRESHGRID\", "
                "\"SHOW\", \"NEXT\", \"PREVIOUS\", \"PRINT\" };"},
            {3, "if (action == null || Array.IndexOf(readOnly, action) >= 0 || "
                "action.Contains(\"RECOMPUTE\"))"},
            {4, "return true;"},
            {3, "if (!MayAct(page, role))"},
            {4, "return false;"},
            {3, "Object token = page.Session[\"request_token\"];"},
            {3, "return page.Request.HttpMethod == \"POST\" && token != null && "
                "page.Request.Form[\"REQUEST_TOKEN\"] == token.ToString();"},
            {2, "}"},
            {2, "//True when the role may act on the records of the page: false on a page that "
                "only a report's rows lead it to"},
            {2, "public bool MayAct(System.Web.UI.Page page, String role)"},
            {2, "{"},
            {3, "return role == ASPXMenuWriter.ADMINISTRATOR_ROLE || new "
                "ASPXMenuWriter().MayAct(role, "
                "page.Request.AppRelativeCurrentExecutionFilePath);"},
            {2, "}"},
            {2, "//The role of the session's login when the browser holds the session's login "
                "key; null without one"},
            {2, "public Object LoggedInRole(System.Web.SessionState.HttpSessionState session, "
                "System.Web.HttpRequest request)"},
            {2, "{"},
            {3, "Object role = session[\"login_role\"];"},
            {3, "Object key = session[\"login_key\"];"},
            {3, "System.Web.HttpCookie cookie = request.Cookies[\"login_key\"];"},
            {3, "if (role == null || key == null || cookie == null || cookie.Value != "
                "key.ToString())"},
            {4, "return null;"},
            {3, "return role;"},
            {2, "}"},
            {2, "//True while the session's account is not deleted and keeps the role and the "
                "password it logged in with"},
            {2, "public bool IsAccountUnchanged(System.Web.SessionState.HttpSessionState session)"},
            {2, "{"},
            {3, "String sqlString = \"SELECT useraccount.password, personnel_role.role_no FROM "
                "useraccount INNER JOIN personnel_role \";"},
            {3,
             "sqlString += \"ON useraccount.personnel_role_id = personnel_role.personnel_role_id "
             "\";"},
            {3,
             "sqlString += \"WHERE useraccount.Is_Deleted = 'N' AND useraccount.useraccount_id = "
             "\" + ToSqlNumber(Convert.ToString(session[\"login_id\"]), \"0\");"},
            {3, "DataTable account = new DBHandler().ExecuteQuery(sqlString);"},
            {3, "return account.Rows.Count == 1 && account.Rows[0][\"role_no\"].ToString() == "
                "Convert.ToString(session[\"login_role\"]) &&"},
            {4, "account.Rows[0][\"password\"].ToString() == "
                "Convert.ToString(session[\"login_password\"]);"},
            {2, "}"},
            {2, "//A new random value for a login key or a request token"},
            {2, "public String NewToken()"},
            {2, "{"},
            {3, "Byte[] bytes = new Byte[24];"},
            {3, "RandomNumberGenerator.Create().GetBytes(bytes);"},
            {3, "return Convert.ToBase64String(bytes).Replace('+', '-').Replace('/', '_');"},
            {2, "}"},
        });
}

void UtilHandlerWriter::WriteAccountChecks()
{
    WriteCodeLines(
        m_file,
        {
            {2, "//Why the typed password (none counts as empty) is not the one the record "
                "holds; null when it is"},
            {2, "public String WrongPasswordMessage(DataTable record, String typed, String id)"},
            {2, "{"},
            {3, "if (record.Rows.Count == 0)"},
            {4, "return \"The account was not found.\";"},
            {3, "String stored = record.Rows[0][\"password\"].ToString();"},
            {3, "if (String.IsNullOrEmpty(typed) && stored != \"\")"},
            {4, "return \"Please enter the old password.\";"},
            {3,
             "if (!IsStoredPassword(typed == null ? \"\" : typed, Convert.ToInt32(id), stored))"},
            {4, "return \"The old password is not correct.\";"},
            {3, "return null;"},
            {2, "}"},
        });
}

void UtilHandlerWriter::WriteRecordChecks()
{
    WriteCodeLines(
        m_file,
        {
            {2, "//Shows, on a page opened on a record that is gone or never was, that it does not "
                "exist"},
            {2, "public void ShowRecordMissing(System.Web.UI.Page page)"},
            {2, "{"},
            {3, "page.ClientScript.RegisterStartupScript(typeof(UtilHandler), \"recordMissing\","},
            {4, "\"var shown = document.querySelector('#messageDiv, [id$=\\\"MessageLabel\\\"]');"
                " if (shown) shown.textContent = 'The record does not exist.';\", true);"},
            {2, "}"},
            {2, "//The most rows that a detail grid holds, and the answer to a post of more"},
            {2, "public const int MAX_DETAIL_ROWS = 200;"},
            {2, "public const String TOO_MANY_ROWS = \"A page holds at most 200 detail rows.\";"},
            {2, "//True when a grid posts more rows than the record basicId's grid holds: the rows "
                "that the request"},
            {2,
             "//names by any of the grid's fields, whatever their numbering, each a number after "
             "a field's name"},
            {2, "public bool HasTooManyRows(System.Web.UI.Page page, String prefix, String[] "
                "fields, String table, String link, String basicId)"},
            {2, "{"},
            {3, "int limit = DetailRowLimit(table, link, basicId);"},
            {3, "ArrayList names = new ArrayList(page.Request.QueryString.AllKeys);"},
            {3, "names.AddRange(page.Request.Form.AllKeys);"},
            {3, "names.AddRange(page.Request.Cookies.AllKeys);"},
            {3, "Hashtable rows = new Hashtable();"},
            {3, "foreach (String name in names)"},
            {3, "{"},
            {4, "String row = PostedRowNumber(name, prefix, fields);"},
            {4, "if (row != null)"},
            {5, "rows[row] = row;"},
            {4, "if (rows.Count > limit)"},
            {5, "return true;"},
            {3, "}"},
            {3, "return false;"},
            {2, "}"},
            {2, "//The most rows that the grid of the record basicId holds: the cap, or the rows "
                "that the record"},
            {2, "//already holds when they are more; the cap without a record"},
            {2, "public int DetailRowLimit(String table, String link, String basicId)"},
            {2, "{"},
            {3, "String number = ToSqlNumber(basicId, null);"},
            {3, "if (number == null)"},
            {4, "return MAX_DETAIL_ROWS;"},
            {3, "return Math.Max(MAX_DETAIL_ROWS, CountOf(\"SELECT COUNT(*) FROM \" + table + \" "
                "WHERE \" + link + \" = \" + number));"},
            {2, "}"},
            {2, "//The statement that locks the record id of the table for the request's save "
                "(DBHandler.BeginSave),"},
            {2, "//so that another save of the record waits for it; null without a record"},
            {2, "public String RecordLockString(String table, String key, String id)"},
            {2, "{"},
            {3, "String number = ToSqlNumber(id, null);"},
            {3, "if (number == null)"},
            {4, "return null;"},
            {3,
             "return \"SELECT \" + key + \" FROM \" + table + \" WITH (UPDLOCK, ROWLOCK) WHERE \" "
             "+ key + \" = \" + number;"},
            {2, "}"},
            {2, "//The statement that locks the table for the request's save: every other save "
                "that locks it waits"},
            {2, "public String TableLockString(String table)"},
            {2, "{"},
            {3, "return \"SELECT COUNT(*) FROM \" + table + \" WITH (TABLOCKX, HOLDLOCK)\";"},
            {2, "}"},
            {2, "//The number that the counting query answers"},
            {2, "int CountOf(String sqlString)"},
            {2, "{"},
            {3, "DataTable count = new DBHandler().ExecuteQuery(sqlString);"},
            {3, "return count.Rows.Count > 0 ? Convert.ToInt32(count.Rows[0][0]) : 0;"},
            {2, "}"},
            {2, "//True when the post adds rows to the record basicId and the record would then "
                "hold more than"},
            {2, "//the cap: its stored rows that the post does not delete and the new ones"},
            {2, "public bool AddsTooManyRows(System.Web.UI.Page page, String prefix, String table, "
                "String key, String link, String basicId)"},
            {2, "{"},
            {3, "String number = ToSqlNumber(basicId, null);"},
            {3, "int limit = DetailRowLimit(table, link, basicId);"},
            {3, "int added = 0;"},
            {3, "String deleted = \"\";"},
            {3, "for (int row = 1; row <= limit && page.Request.Form[prefix + \"inp\" + row] != "
                "null; row++)"},
            {3, "{"},
            {4, "String id = page.Request.Form[prefix + \"id\" + row];"},
            {4, "String stored = ToSqlNumber(id, null);"},
            {4, "if (page.Request.Form[prefix + \"delete\" + row] == null)"},
            {5, "added += id == \"0\" ? 1 : 0;"},
            {4, "else if (stored != null)"},
            {5, "deleted += \", \" + stored;"},
            {3, "}"},
            {3, "if (added == 0 || number == null)"},
            {4, "return false;"},
            {3, "String sqlString = \"SELECT COUNT(*) FROM \" + table + \" WHERE \" + link + \" = "
                "\" + number;"},
            {3, "if (deleted != \"\")"},
            {4, "sqlString += \" AND \" + key + \" NOT IN (\" + deleted.Substring(2) + \")\";"},
            {3, "return CountOf(sqlString) + added > MAX_DETAIL_ROWS;"},
            {2, "}"},
            {2, "//The digits that follow the longest of the fields' names in a posted name, null "
                "when none does"},
            {2, "String PostedRowNumber(String name, String prefix, String[] fields)"},
            {2, "{"},
            {3, "if (name == null || !name.StartsWith(prefix, StringComparison.Ordinal))"},
            {4, "return null;"},
            {3, "String rest = name.Substring(prefix.Length);"},
            {3, "String row = null;"},
            {3, "int longest = -1;"},
            {3, "foreach (String field in fields)"},
            {3, "{"},
            {4, "if (field.Length <= longest || rest.Length <= field.Length || "
                "!rest.StartsWith(field, StringComparison.Ordinal))"},
            {5, "continue;"},
            {4, "String number = rest.Substring(field.Length);"},
            {4, "bool digits = true;"},
            {4, "foreach (char c in number)"},
            {5, "digits = digits && c >= '0' && c <= '9';"},
            {4, "if (digits)"},
            {4, "{"},
            {5, "row = number;"},
            {5, "longest = field.Length;"},
            {4, "}"},
            {3, "}"},
            {3, "return row;"},
            {2, "}"},
            {2, "//True for no value (the None item) and for the key of a record of the table that "
                "is not deleted:"},
            {2, "//the values that a combo of the table offers"},
            {2,
             "public bool IsOfferedKey(String table, String key, String value, bool softDeleted)"},
            {2, "{"},
            {3, "if (String.IsNullOrEmpty(value) || value == \"null\")"},
            {4, "return true;"},
            {3, "String number = ToSqlNumber(value, null);"},
            {3, "if (number == null)"},
            {4, "return false;"},
            {3,
             "String sqlString = \"SELECT \" + key + \" FROM \" + table + \" WHERE \" + key + \" = "
             "\" + number;"},
            {3, "if (softDeleted)"},
            {4, "sqlString += \" AND Is_Deleted = 'N'\";"},
            {3, "return new DBHandler().ExecuteQuery(sqlString).Rows.Count > 0;"},
            {2, "}"},
        });
}

void UtilHandlerWriter::WriteRowNumberCheck()
{
    WriteCodeLines(
        m_file,
        {
            {2, "//The answer to a post whose detail rows are not numbered as its page numbers "
                "them"},
            {2, "public const String ROWS_MISNUMBERED = \"The detail rows were not sent numbered "
                "1, 2, 3 and so on, each once: nothing was saved.\";"},
            {2, "//True when the post numbers a grid's rows as its page does: rows 1, 2, ... "
                "each with its numbering"},
            {2, "//input sent once holding its number, no row input of the grid named beyond "
                "them, and no stored"},
            {2, "//row named by two of them"},
            {2, "public bool AreRowsNumbered(System.Web.UI.Page page, String prefix)"},
            {2, "{"},
            {3, "System.Collections.Specialized.NameValueCollection form = page.Request.Form;"},
            {3, "ArrayList stored = new ArrayList();"},
            {3, "int rows = 0;"},
            {3, "for (String[] numbers = form.GetValues(prefix + \"inp1\"); numbers != null; "
                "numbers = form.GetValues(prefix + \"inp\" + (rows + 1)))"},
            {3, "{"},
            {4, "rows++;"},
            {4, "String[] ids = form.GetValues(prefix + \"id\" + rows);"},
            {4, "if (numbers.Length != 1 || numbers[0] != rows.ToString() || (ids != null && "
                "ids.Length != 1))"},
            {5, "return false;"},
            {4, "String number = ids == null ? null : ToSqlNumber(ids[0], null);"},
            {4, "decimal id;"},
            {4, "if (number == null || !Decimal.TryParse(number, "
                "System.Globalization.NumberStyles.AllowLeadingSign | "
                "System.Globalization.NumberStyles.AllowDecimalPoint,"},
            {5, "System.Globalization.CultureInfo.InvariantCulture, out id) || id == 0)"},
            {5, "continue;"},
            {4, "if (stored.Contains(id))"},
            {5, "return false;"},
            {4, "stored.Add(id);"},
            {3, "}"},
            {3, "String[] inputs = { \"inp\", \"id\", \"delete\" };"},
            {3, "foreach (String name in form.AllKeys)"},
            {3, "{"},
            {4, "String row = PostedRowNumber(name, prefix, inputs);"},
            {4, "int named;"},
            {4, "if (row != null && (!Int32.TryParse(row, out named) || named < 1 || named > rows "
                "|| row != named.ToString()))"},
            {5, "return false;"},
            {3, "}"},
            {3, "return true;"},
            {2, "}"},
        });
}

void UtilHandlerWriter::WriteDetailCheck()
{
    WriteCodeLines(
        m_file,
        {
            {2, "//True when the row detailId of the table is one whose link field holds the "
                "master key; the"},
            {2, "//request's save then holds the row locked, so that it stays until the save "
                "ends"},
            {2, "public bool IsDetailOf(String table, String key, String linkField, String "
                "detailId, String masterKey)"},
            {2, "{"},
            {3, "String lockString = RecordLockString(table, key, detailId);"},
            {3, "String master = ToSqlNumber(masterKey, null);"},
            {3, "if (lockString == null || master == null)"},
            {4, "return false;"},
            {3, "return new DBHandler().ExecuteQuery(lockString + \" AND \" + linkField + \" = "
                "\" + master).Rows.Count == 1;"},
            {2, "}"},
        });
}

void UtilHandlerWriter::WritePageMessage()
{
    WriteCodeLines(m_file,
                   {
                       {2, "//Keeps the message for the page that the answer sends the browser to"},
                       {2, "public void KeepPageMessage(System.Web.UI.Page page, String message)"},
                       {2, "{"},
                       {3, "page.Session[\"page_message\"] = message;"},
                       {2, "}"},
                       {2, "//The message that the site kept for this page, once; \"\" when none"},
                       {2, "public String TakePageMessage(System.Web.UI.Page page)"},
                       {2, "{"},
                       {3, "String message = Convert.ToString(page.Session[\"page_message\"]);"},
                       {3, "page.Session.Remove(\"page_message\");"},
                       {3, "return message;"},
                       {2, "}"},
                   });
}

void UtilHandlerWriter::WriteUploadStore()
{
    WriteCodeLines(
        m_file,
        {
            {2, "//Why a file of that name is not taken, null when it is: a name holding a "
                "control character, a"},
            {2, "//file that the server could run, a name"},
            {2, "//of no file (none, or dots and blanks only), one too long for the file system "
                "or, with its folder,"},
            {2, "//for the column that stores it (a column length of 0 holds any), or one that "
                "the file system cannot store"},
            {2, "public String UploadRefusal(String name, int columnLength)"},
            {2, "{"},
            {3, "if (HasControlCharacter(name) || HasUncarriedCharacter(name))"},
            {4, "return \"The file was not uploaded: its name holds control characters.\";"},
            {3, "if (IsExecutableFile(name))"},
            {4, "return \"The file \" + name + \" was not uploaded: files of this type are not "
                "accepted.\";"},
            {3, "String safe = SafeFileName(name);"},
            {3, "if (name.Replace(\".\", \"\").Trim().Length == 0 || "
                "Encoding.UTF8.GetByteCount(safe) > 200 ||"},
            {4, "(columnLength > 0 && UPLOAD_FOLDER_LENGTH + 1 + safe.Length > columnLength))"},
            {4, "return \"The file was not uploaded: its name is missing, made of dots only or "
                "too long.\";"},
            {3, "if (IsUnstorableFileName(name))"},
            {4, "return \"The file \" + name + \" was not uploaded: the server cannot store a "
                "file of this name.\";"},
            {3, "return null;"},
            {2, "}"},
            {2, "//True when the request is larger than the server takes: its form cannot be "
                "read"},
            {2, "public bool IsOverRequestLimit(System.Web.UI.Page page)"},
            {2, "{"},
            {3, "System.Web.Configuration.HttpRuntimeSection runtime = "
                "(System.Web.Configuration.HttpRuntimeSection)System.Web.Configuration."
                "WebConfigurationManager.GetSection(\"system.web/httpRuntime\");"},
            {3, "return page.Request.ContentLength > runtime.MaxRequestLength * 1024L;"},
            {2, "}"},
            {2, "//The length of the folder name that each upload gets"},
            {2, "const int UPLOAD_FOLDER_LENGTH = 8;"},
            {2, "//Saves an uploaded file into a folder of its own below the folder and returns "
                "the name to store:"},
            {2, "//that folder's name, \"/\" and the file's own name made safe to serve, which "
                "GetUploadName gives back."},
            {2, "//The request removes the file at its end unless KeepSavedUploads keeps it."},
            {2, "public String SaveUpload(System.Web.HttpPostedFile file, String folder, String "
                "name)"},
            {2, "{"},
            {3, "String own;"},
            {3, "do"},
            {4, "own = Guid.NewGuid().ToString(\"N\").Substring(0, UPLOAD_FOLDER_LENGTH);"},
            {3, "while (System.IO.Directory.Exists(System.IO.Path.Combine(folder, own)));"},
            {3, "System.IO.Directory.CreateDirectory(System.IO.Path.Combine(folder, own));"},
            {3, "String safe = SafeFileName(name);"},
            {3, "String path = System.IO.Path.Combine(System.IO.Path.Combine(folder, own), safe);"},
            {3, "SavedUploads().Add(path);"},
            {3, "file.SaveAs(path);"},
            {3, "return own + \"/\" + safe;"},
            {2, "}"},
            {2, "//The files of this request's uploads are held by a saved record"},
            {2, "public void KeepSavedUploads()"},
            {2, "{"},
            {3, "SavedUploads().Clear();"},
            {3, "System.Web.HttpContext.Current.Items.Remove(\"held_uploads\");"},
            {2, "}"},
            {2, "//The files of this request's uploads are held by a record that the request's "
                "open save wrote:"},
            {2, "//KeepHeldUploads keeps them once the save commits, else they are removed"},
            {2, "public void HoldSavedUploads()"},
            {2, "{"},
            {3, "System.Web.HttpContext.Current.Items[\"held_uploads\"] = true;"},
            {2, "}"},
            {2, "//The request's save committed: the files that its records hold are kept"},
            {2, "public void KeepHeldUploads()"},
            {2, "{"},
            {3, "if (System.Web.HttpContext.Current.Items[\"held_uploads\"] != null)"},
            {4, "KeepSavedUploads();"},
            {2, "}"},
            {2, "//Removes the files that this request saved for a record it did not save, with "
                "their folders"},
            {2, "public void RemoveUnkeptUploads()"},
            {2, "{"},
            {3, "foreach (String path in SavedUploads())"},
            {3, "{"},
            {4, "if (System.IO.File.Exists(path))"},
            {5, "System.IO.File.Delete(path);"},
            {4, "System.IO.Directory.Delete(System.IO.Path.GetDirectoryName(path));"},
            {3, "}"},
            {3, "KeepSavedUploads();"},
            {2, "}"},
            {2, "ArrayList SavedUploads()"},
            {2, "{"},
            {3, "System.Collections.IDictionary items = System.Web.HttpContext.Current.Items;"},
            {3, "if (items[\"saved_uploads\"] == null)"},
            {4, "items[\"saved_uploads\"] = new ArrayList();"},
            {3, "return (ArrayList)items[\"saved_uploads\"];"},
            {2, "}"},
            {2, "//The name with each character that a server refuses or reads apart in a path, "
                "\"~\" itself and"},
            {2, "//a leading \".\" written as \"~\" and two hex digits"},
            {2, "public String SafeFileName(String name)"},
            {2, "{"},
            {3, "StringBuilder safe = new StringBuilder();"},
            {3, "for (int i = 0; i < name.Length; i++)"},
            {3, "{"},
            {4, "char c = name[i];"},
            {4, "if (\"\\\"#%&*:<>?\\\\/|~\".IndexOf(c) >= 0 || (i == 0 && c == '.'))"},
            {5, "safe.Append(\"~\" + ((int)c).ToString(\"X2\"));"},
            {4, "else"},
            {5, "safe.Append(c);"},
            {3, "}"},
            {3, "return safe.ToString();"},
            {2, "}"},
            {2, "//The file's own name of a stored upload, for display"},
            {2, "public String GetUploadName(String stored)"},
            {2, "{"},
            {3, "String name = GetFileName(stored);"},
            {3, "StringBuilder own = new StringBuilder();"},
            {3, "for (int i = 0; i < name.Length; i++)"},
            {3, "{"},
            {4, "int value;"},
            {4, "if (name[i] == '~' && i + 2 < name.Length && Int32.TryParse(name.Substring(i + 1, "
                "2), System.Globalization.NumberStyles.AllowHexSpecifier, null, out value))"},
            {4, "{"},
            {5, "own.Append((char)value);"},
            {5, "i += 2;"},
            {4, "}"},
            {4, "else"},
            {5, "own.Append(name[i]);"},
            {3, "}"},
            {3, "return own.ToString();"},
            {2, "}"},
        });
}

void UtilHandlerWriter::WriteControlCharacterCheck()
{
    WriteCodeLines(m_file, {
                               {2, "//The characters that end a line or turn the text around "
                                   "wherever it is shown: the first and"},
                               {2, "//the last of each run"},
                           });
    m_file.Write(2, "static readonly int[] CONTROL_CHARACTERS = {");
    const char* separator = " ";
    for (const CharacterRange& range : ControlCharacterRanges())
    {
        char run[32];
        std::snprintf(run, sizeof run, "0x%04X, 0x%04X", static_cast<unsigned>(range.first),
                      static_cast<unsigned>(range.last));
        m_file.Write(0, "%s%s", separator, run);
        separator = ", ";
    }
    m_file.Write(0, " };\n");
    WriteCodeLines(m_file, {
                               {2, "//True when the text holds one of those characters"},
                               {2, "public bool HasControlCharacter(String text)"},
                               {2, "{"},
                               {3, "for (int i = 0; i < text.Length; i++)"},
                               {3, "{"},
                               {4, "int code = text[i];"},
                               {4, "if (Char.IsSurrogatePair(text, i))"},
                               {5, "code = Char.ConvertToUtf32(text, i++);"},
                               {4, "for (int run = 0; run < CONTROL_CHARACTERS.Length; run += 2)"},
                               {4, "{"},
                               {5, "if (code >= CONTROL_CHARACTERS[run] && code <= "
                                   "CONTROL_CHARACTERS[run + 1])"},
                               {6, "return true;"},
                               {4, "}"},
                               {3, "}"},
                               {3, "return false;"},
                               {2, "}"},
                           });
}

void UtilHandlerWriter::WriteXmlCharacterCheck()
{
    WriteCodeLines(
        m_file,
        {
            {2, "//The length of the character at i when an XML document can carry it (2 for a "
                "surrogate pair); 0 for"},
            {2, "//a C0 control but tab, line feed and carriage return, U+FFFE, U+FFFF and a "
                "surrogate without its pair"},
            {2, "static int CarriedLength(String text, int i)"},
            {2, "{"},
            {3, "char c = text[i];"},
            {3, "if (Char.IsHighSurrogate(c) && i + 1 < text.Length && "
                "Char.IsLowSurrogate(text[i + 1]))"},
            {4, "return 2;"},
            {3, "if ((c < ' ' && c != '\\t' && c != '\\n' && c != '\\r') || c == '\\uFFFE' || "
                "c == '\\uFFFF' || Char.IsSurrogate(c))"},
            {4, "return 0;"},
            {3, "return 1;"},
            {2, "}"},
            {2, "//True when the text holds a character that no XML document can carry"},
            {2, "public bool HasUncarriedCharacter(String text)"},
            {2, "{"},
            {3, "for (int i = 0; i < text.Length; i++)"},
            {3, "{"},
            {4, "int length = CarriedLength(text, i);"},
            {4, "if (length == 0)"},
            {5, "return true;"},
            {4, "i += length - 1;"},
            {3, "}"},
            {3, "return false;"},
            {2, "}"},
            {2, "//The text with each character that no XML document can carry replaced by "
                "U+FFFD, so that what is"},
            {2, "//stored shows whatever it holds"},
            {2, "public String CarriedText(String text)"},
            {2, "{"},
            {3, "if (!HasUncarriedCharacter(text))"},
            {4, "return text;"},
            {3, "StringBuilder carried = new StringBuilder(text.Length);"},
            {3, "for (int i = 0; i < text.Length; i++)"},
            {3, "{"},
            {4, "int length = CarriedLength(text, i);"},
            {4, "carried.Append(length == 0 ? \"\\uFFFD\" : text.Substring(i, length));"},
            {4, "i += Math.Max(length, 1) - 1;"},
            {3, "}"},
            {3, "return carried.ToString();"},
            {2, "}"},
        });
}

void UtilHandlerWriter::WritePrintedReports()
{
    WriteCodeLines(
        m_file,
        {
            {2, "//Keeps a printed report for the session that printed it, under a random name in "
                "a folder that the"},
            {2, "//server never serves, and returns that name"},
            {2, "public String KeepPrintedReport(System.Web.UI.Page page, Byte[] document)"},
            {2, "{"},
            {3, "String folder = PrintedReportsFolder(page);"},
            {3, "String name = NewToken();"},
            {3, "System.IO.File.WriteAllBytes(System.IO.Path.Combine(folder, name), document);"},
            {3, "page.Session[\"printed_report_\" + name] = name;"},
            {3, "return name;"},
            {2, "}"},
            {2, "//Answers the printed report of that name to the session that printed it, once, "
                "and removes it;"},
            {2, "//any other request finds nothing"},
            {2, "public void SendPrintedReport(System.Web.UI.Page page, String name)"},
            {2, "{"},
            {3, "String folder = PrintedReportsFolder(page);"},
            {3, "System.Web.HttpResponse response = page.Response;"},
            {3, "String path = System.IO.Path.Combine(folder, name);"},
            {3, "if (page.Session[\"printed_report_\" + name] == null || "
                "!System.IO.File.Exists(path))"},
            {3, "{"},
            {4, "response.StatusCode = 404;"},
            {4, "response.End();"},
            {3, "}"},
            {3, "page.Session.Remove(\"printed_report_\" + name);"},
            {3, "Byte[] document = System.IO.File.ReadAllBytes(path);"},
            {3, "System.IO.File.Delete(path);"},
            {3, "response.Clear();"},
            {3, "response.ContentType = \"application/pdf\";"},
            {3, "response.Cache.SetCacheability(System.Web.HttpCacheability.NoCache);"},
            {3, "response.BinaryWrite(document);"},
            {3, "response.End();"},
            {2, "}"},
            {2, "//The folder of the printed reports, made when missing, without the reports "
                "not sent in time"},
            {2, "String PrintedReportsFolder(System.Web.UI.Page page)"},
            {2, "{"},
            {3, "String folder = page.Server.MapPath(PRINTED_REPORTS);"},
            {3, "System.IO.Directory.CreateDirectory(folder);"},
            {3, "RemoveUnsentPrintedReports(folder);"},
            {3, "return folder;"},
            {2, "}"},
            {2, "const String PRINTED_REPORTS = \"~/App_Data/PrintedReports\";"},
            {2, "//Removes the printed reports of the folder that were not sent within ten "
                "minutes"},
            {2, "public static void RemoveUnsentPrintedReports(String folder)"},
            {2, "{"},
            {3, "if (!System.IO.Directory.Exists(folder))"},
            {4, "return;"},
            {3, "foreach (String old in System.IO.Directory.GetFiles(folder))"},
            {3, "{"},
            {4, "if (System.IO.File.GetLastWriteTimeUtc(old) < DateTime.UtcNow.AddMinutes(-10))"},
            {5, "System.IO.File.Delete(old);"},
            {3, "}"},
            {2, "}"},
            {2, "//Removes the printed reports that were not sent in time, on any request of a "
                "print page"},
            {2, "public void RemoveUnsentPrintedReports(System.Web.UI.Page page)"},
            {2, "{"},
            {3, "RemoveUnsentPrintedReports(page.Server.MapPath(PRINTED_REPORTS));"},
            {2, "}"},
            {2, "//At the application's start, the printed reports that were not sent in time"},
            {2, "public static void RemoveUnsentPrintedReports()"},
            {2, "{"},
            {3, "RemoveUnsentPrintedReports(System.Web.Hosting.HostingEnvironment.MapPath("
                "PRINTED_REPORTS));"},
            {2, "}"},
        });
}

void UtilHandlerWriter::WriteApplicationModule()
{
    WriteCodeLines(
        m_file,
        {
            {1, "//Runs with every request of the application: at its start it removes the printed "
                "reports left unsent;"},
            {1, "//every answer, error pages included, forbids other sites to frame it, and no "
                "page is kept by"},
            {1, "//the browser, so that none shows a record again once its session has ended"},
            {1, "public class ApplicationModule : System.Web.IHttpModule"},
            {1, "{"},
            {2, "static bool started = false;"},
            {2, "public void Init(System.Web.HttpApplication application)"},
            {2, "{"},
            {3, "lock (typeof(ApplicationModule))"},
            {3, "{"},
            {4, "if (!started)"},
            {5, "UtilHandler.RemoveUnsentPrintedReports();"},
            {4, "started = true;"},
            {3, "}"},
            {3, "application.PreSendRequestHeaders += delegate(Object sender, EventArgs e)"},
            {3, "{"},
            {4, "System.Web.HttpApplication current = (System.Web.HttpApplication)sender;"},
            {4, "current.Response.AddHeader(\"X-Frame-Options\", \"SAMEORIGIN\");"},
            {4, "if (current.Context.Handler is System.Web.UI.Page)"},
            {5, "current.Response.Cache.SetNoStore();"},
            {3, "};"},
            {2, "}"},
            {2, "public void Dispose()"},
            {2, "{"},
            {2, "}"},
            {1, "}"},
        });
}

void UtilHandlerWriter::WriteUploadedFileHandler()
{
    WriteCodeLines(
        m_file,
        {
            {0, "//Sends the uploaded files as downloads, never as pages of the application, and "
                "only to a login"},
            {0, "//whose role opens a page of a form that holds the file; outside the namespace, "
                "so that the upload"},
            {0, "//folder's configuration names it alike in every project"},
            {0, "public class UploadedFileHandler : System.Web.IHttpHandler, "
                "System.Web.SessionState.IReadOnlySessionState"},
            {0, "{"},
        });
    WriteUploadColumns();
    const Module* base = m_project.GetBaseModule();
    m_file.Write(1, "const String LOGIN_PAGE = \"~/%s/UI/Login.aspx\";\n",
                 EscapeCSharpString(base != nullptr ? base->GetName() : CString()));
    WriteCodeLines(
        m_file,
        {
            {1, "public bool IsReusable"},
            {1, "{"},
            {2, "get { return true; }"},
            {1, "}"},
            {1, "public void ProcessRequest(System.Web.HttpContext context)"},
            {1, "{"},
            {2, "String folder = System.IO.Path.GetFullPath(context.Server.MapPath(\"~/"
                "uploadedData/\"));"},
            {2, "String path = System.IO.Path.GetFullPath(context.Request.PhysicalPath);"},
            {2, "context.Response.AddHeader(\"X-Content-Type-Options\", \"nosniff\");"},
            {2, "if (!path.StartsWith(folder) || System.IO.Path.GetFileName(path).ToLower() == "
                "\"web.config\")"},
            {2, "{"},
            {3, "context.Response.StatusCode = 404;"},
            {3, "return;"},
            {2, "}"},
        });
    m_file.Write(2,
                 "Object role = new %s.UtilHandler().LoggedInRole(context.Session, "
                 "context.Request);\n",
                 m_namespace);
    WriteCodeLines(m_file, {
                               {2, "if (role == null)"},
                               {2, "{"},
                               {3, "context.Response.Redirect(LOGIN_PAGE);"},
                               {3, "return;"},
                               {2, "}"},
                               {2, "if (!System.IO.File.Exists(path))"},
                               {2, "{"},
                               {3, "context.Response.StatusCode = 404;"},
                               {3, "return;"},
                               {2, "}"},
                               {2, "if (context.Session[\"password_required\"] != null || "
                                   "!IsHeldForRole(context.Session, role.ToString(), "
                                   "path.Substring(folder.Length).Replace('\\\\', '/')))"},
                               {2, "{"},
                               {3, "context.Response.Redirect(LOGIN_PAGE + \"?Refused=1\");"},
                               {3, "return;"},
                               {2, "}"},
                           });
    m_file.Write(2, "if (!new %s.UtilHandler().IsAccountUnchanged(context.Session))\n",
                 m_namespace);
    WriteCodeLines(
        m_file,
        {
            {2, "{"},
            {3, "context.Session.Abandon();"},
            {3, "context.Response.Redirect(LOGIN_PAGE);"},
            {3, "return;"},
            {2, "}"},
            {2, "context.Response.ContentType = \"application/octet-stream\";"},
            {2, "context.Response.AddHeader(\"Content-Disposition\", \"attachment; "
                "filename=\\\"\" + System.Web.HttpUtility.UrlPathEncode("
                "System.IO.Path.GetFileName(path)) + \"\\\"\");"},
            {2, "context.Response.TransmitFile(path);"},
            {1, "}"},
            {1, "//True when the stored name is in a live row's column of a form of which the "
                "role opens a page,"},
            {1, "//on the change-password form in the session's own account"},
            {1, "bool IsHeldForRole(System.Web.SessionState.HttpSessionState session, String "
                "role, String stored)"},
            {1, "{"},
        });
    m_file.Write(2, "%s.ASPXMenuWriter menus = new %s.ASPXMenuWriter();\n", m_namespace,
                 m_namespace);
    m_file.Write(2,
                 "String account = new %s.UtilHandler().ToSqlNumber(Convert.ToString(session["
                 "\"login_id\"]), \"0\");\n",
                 m_namespace);
    m_file.Write(2,
                 "String value = \"N'\" + new %s.UtilHandler().ReplaceSingleQuoteInString(stored) "
                 "+ \"'\";\n",
                 m_namespace);
    WriteCodeLines(m_file,
                   {
                       {2, "for (int i = 0; i < UPLOAD_COLUMNS.GetLength(0); i++)"},
                       {2, "{"},
                       {3, "bool opens = false;"},
                       {3, "foreach (String page in UPLOAD_COLUMNS[i, 2].Split('|'))"},
                       {4, "opens = opens || menus.MayOpen(role, page);"},
                       {3, "String query = \"SELECT \" + UPLOAD_COLUMNS[i, 1] + \" FROM \" "
                           "+ UPLOAD_COLUMNS[i, 0] + \" WHERE \" + UPLOAD_COLUMNS[i, 1] + "
                           "\" = \" + value + UPLOAD_COLUMNS[i, 3];"},
                       {3, "if (UPLOAD_COLUMNS[i, 4] != \"\")"},
                       {4, "query += \" AND \" + UPLOAD_COLUMNS[i, 4] + \" = \" + account;"},
                   });
    m_file.Write(3, "if (opens && new %s.DBHandler().ExecuteQuery(query).Rows.Count > 0)\n",
                 m_namespace);
    WriteCodeLines(m_file, {
                               {4, "return true;"},
                               {2, "}"},
                               {2, "return false;"},
                               {1, "}"},
                               {0, "}"},
                           });
}

void UtilHandlerWriter::WriteUploadColumns()
{
    m_file.Write(1, "//The columns that hold uploaded files: table, column, the pages of the "
                    "form that saves them,\n");
    m_file.Write(1, "//the condition of a row that is not deleted and, on a form of the "
                    "session's own account, the\n");
    m_file.Write(1, "//key that holds its id\n");
    m_file.Write(1, "static readonly String[,] UPLOAD_COLUMNS = new String[,] {\n");
    for (const UploadColumn& column : UploadColumns(m_project))
    {
        std::string pages;
        for (const std::string& page : column.pages)
            pages += (pages.empty() ? "" : "|") + page;
        m_file.Write(2, "{\"%s\", \"%s\", \"%s\", \"%s\", \"%s\"},\n",
                     EscapeCSharpString(CString(column.table.c_str())),
                     EscapeCSharpString(CString(column.column.c_str())),
                     EscapeCSharpString(CString(pages.c_str())),
                     column.softDeleted ? " AND Is_Deleted = 'N'" : "",
                     EscapeCSharpString(CString(column.ownRowKey.c_str())));
    }
    m_file.Write(1, "};\n");
}
