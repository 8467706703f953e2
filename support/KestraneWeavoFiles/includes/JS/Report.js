// Reports and grids: the XML answers of the code-behind turned into HTML with the report style
// sheet that the server uses as well.

var reportStyleSheet = null;

// The report style sheet, read once from the includes folder beside this script.
function getReportStyleSheet()
{
	if (reportStyleSheet)
		return reportStyleSheet;
	var scripts = document.getElementsByTagName("script");
	var url = "../../includes/css/report.xsl";
	for (var i = 0; i < scripts.length; i++)
	{
		var src = scripts[i].getAttribute("src") || "";
		if (/(^|\/)Report\.js$/i.test(src))
			url = src.replace(/JS\/Report\.js$/i, "css/report.xsl");
	}
	var request = getXMLHTTPRequest();
	request.open("GET", url, false);
	request.send(null);
	reportStyleSheet = request.responseXML;
	return reportStyleSheet;
}

// The HTML of the report or grid XML.
function transformReport(doc)
{
	var processor = new XSLTProcessor();
	processor.importStylesheet(getReportStyleSheet());
	var fragment = processor.transformToFragment(doc, document);
	var holder = document.createElement("div");
	holder.appendChild(fragment);
	return holder.innerHTML;
}

// Shows the answer's report or grid in the element divId; an answer without one leaves it.
function updateReport(request, divId)
{
	var doc = request.responseXML;
	if (!doc)
		return;
	var kinds = ["report", "reportgroup", "grid"];
	var found = false;
	for (var i = 0; i < kinds.length && !found; i++)
		found = doc.getElementsByTagName(kinds[i]).length > 0;
	var div = findPageElement(divId);
	if (found && div)
		div.innerHTML = transformReport(doc);
}

// Appends to the grid's body a copy of its template row, with "__ROW__" in every id, name,
// value and handler replaced by the new row's number (rows count from 1); a grid holds at most
// as many rows as the server takes (UtilHandler.MAX_DETAIL_ROWS).
function addGridRow(body, defaultRow)
{
	var number = body.rows.length + 1;
	if (number > 200)
	{
		alert("A page holds at most 200 detail rows.");
		return null;
	}
	var row = body.insertRow(-1);
	row.innerHTML = defaultRow.innerHTML.replace(/__ROW__/g, String(number));
	row.className = defaultRow.className;
	return row;
}

// Called after a report page shows its report; the report pages keep their filters as they are.
// Pages with fields to clear write their own resetAllControls, which takes the place of this.
function resetAllControls()
{
}
