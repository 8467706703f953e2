// Requests of the generated pages to their own code-behind and the filling of controls from
// its XML answers.

var httpRequest = null;

var kContentPrefix = "ctl00_KestraneWeavoContent_";

function getXMLHTTPRequest()
{
	if (window.XMLHttpRequest)
		return new XMLHttpRequest();
	return new ActiveXObject("Microsoft.XMLHTTP");
}

// The element of the page with the id, or the server control of that name.
function findPageElement(id)
{
	return document.getElementById(id) || document.getElementById(kContentPrefix + id);
}

// The field name that the code-behind reads a form element by: the last part of a server
// control's name, the name itself otherwise.
function getFieldName(element)
{
	var name = element.name || element.id;
	if (!name)
		return "";
	var at = name.lastIndexOf("$");
	if (at >= 0)
		return name.substring(at + 1);
	if (name.indexOf(kContentPrefix) == 0)
		return name.substring(kContentPrefix.length);
	return name;
}

// "ACTION=" and the action, then every value of the form keyed by its field name, URL-encoded:
// checked boxes as "on", the checked radio button of a group, every selected option of a list;
// the page framework's own fields, buttons, files and the template row of grids are left out.
function getRequestBody(form, action)
{
	var parts = ["ACTION=" + encodeURIComponent(action)];
	var elements = form ? form.elements : [];
	for (var i = 0; i < elements.length; i++)
	{
		var element = elements[i];
		var field = getFieldName(element);
		if (field == "" || field.indexOf("__") == 0 || field.indexOf("__ROW__") >= 0)
			continue;
		var type = (element.type || "").toLowerCase();
		if (type == "button" || type == "submit" || type == "reset" || type == "file" || type == "image")
			continue;
		if ((type == "checkbox" || type == "radio") && !element.checked)
			continue;
		var key = encodeURIComponent(field) + "=";
		if (type == "select-multiple")
		{
			for (var j = 0; j < element.options.length; j++)
				if (element.options[j].selected)
					parts.push(key + encodeURIComponent(element.options[j].value));
		}
		else if (type == "checkbox")
			parts.push(key + "on");
		else
			parts.push(key + encodeURIComponent(element.value));
	}
	return parts.join("&");
}

// Submits the form to the URL with the values of the body: each one that no field of the form
// posts under its name goes as a hidden field, so that the code-behind reads every value from
// the form.
function submitWithValues(form, url, body)
{
	var posted = {};
	for (var i = 0; i < form.elements.length; i++)
		if (form.elements[i].name)
			posted[form.elements[i].name] = true;
	var pairs = body.split("&");
	for (var j = 0; j < pairs.length; j++)
	{
		var at = pairs[j].indexOf("=");
		var name = decodeURIComponent(pairs[j].substring(0, at));
		if (at < 0 || posted[name])
			continue;
		var field = document.createElement("input");
		field.type = "hidden";
		field.name = name;
		field.value = decodeURIComponent(pairs[j].substring(at + 1));
		form.appendChild(field);
	}
	form.action = url;
	form.submit();
}

// The page's address for the record whose key the page's control keyName holds.
function recordPageUrl(page, keyName)
{
	var key = findPageElement(keyName);
	return page + "?" + encodeURIComponent(keyName) + "=" + encodeURIComponent(key ? key.value : "");
}

// Sends the body to the URL (as its query for GET) and calls callback(request, tag) with the
// answer.
function sendRequest(method, url, callback, tag, body)
{
	var request = getXMLHTTPRequest();
	request.onreadystatechange = function()
	{
		if (request.readyState == 4 && request.status == 200)
			callback(request, tag);
	};
	if (method.toUpperCase() == "GET")
	{
		request.open("GET", body ? url + "?" + body : url, true);
		request.send(null);
	}
	else
	{
		request.open(method, url, true);
		request.setRequestHeader("Content-Type", "application/x-www-form-urlencoded");
		request.send(body);
	}
}

// The text of the answer's first element of the name, or null.
function getElementText(doc, tagName)
{
	if (!doc)
		return null;
	var elements = doc.getElementsByTagName(tagName);
	if (elements.length == 0)
		return null;
	return elements[0].textContent;
}

// Shows the message of the answer (its element tagName, or the report writer's messagestring)
// in the element divId. Returns true when the message tells of a failure, false when the
// action succeeded or the answer carries no message.
function getMessageString(doc, tagName, divId)
{
	var message = getElementText(doc, tagName);
	if (message == null)
		message = getElementText(doc, "messagestring");
	if (message == null)
		return false;
	var failed = message.replace(/^\s+|\s+$/g, "") != "" && message.search(/Successfully/) == -1;
	var div = findPageElement(divId);
	if (div)
	{
		div.textContent = message;
		div.className = failed ? "ErrMessageStyle" : "MessageClass";
	}
	return failed;
}

function FillMessageStringForReport(request, tag)
{
	getMessageString(request.responseXML, tag, tag);
}

// Sets the page's control of the name (a hidden field of the single-record report) from the
// answer's element of the same name.
function FillControlForReport(request, tag)
{
	var value = getElementText(request.responseXML, tag);
	var control = findPageElement(tag);
	if (value != null && control)
		control.value = value;
}

// Fills the list with the answer's Front (text) and Back (value) pairs of the element name,
// after a "None" entry with the value "null" when withNone is true.
function FillCombo(doc, name, combo, withNone)
{
	if (!doc || !combo)
		return;
	var elements = doc.getElementsByTagName(name);
	if (elements.length == 0)
		return;
	var fronts = elements[0].getElementsByTagName("Front");
	var backs = elements[0].getElementsByTagName("Back");
	combo.options.length = 0;
	if (withNone)
		combo.options[combo.options.length] = new Option("None", "null");
	for (var i = 0; i < fronts.length && i < backs.length; i++)
		combo.options[combo.options.length] = new Option(fronts[i].textContent, backs[i].textContent);
}

function FillControlFromFunction(doc, name, control)
{
	var value = getElementText(doc, name);
	if (value != null && control)
		control.value = value;
}

function isTrueText(text)
{
	return /^\s*(true|on|yes|y|1)\s*$/i.test(text);
}

function FillCheckBoxFromFunction(doc, name, control)
{
	var value = getElementText(doc, name);
	if (value != null && control)
		control.checked = isTrueText(value);
}

// Checks the radio button of the list whose value is the answer's text; the buttons are the
// given group or the inputs whose ids end in the name, "_" and their number.
function FillRadioButtonFromFunction(doc, name, control)
{
	var value = getElementText(doc, name);
	if (value == null)
		return;
	var buttons = [];
	if (control && control.length !== undefined && control.tagName === undefined)
		buttons = control;
	else
	{
		var pattern = new RegExp("(^|_)" + name + "_[0-9]+$");
		var inputs = document.getElementsByTagName("input");
		for (var i = 0; i < inputs.length; i++)
			if (inputs[i].type == "radio" && pattern.test(inputs[i].id))
				buttons.push(inputs[i]);
	}
	for (var j = 0; j < buttons.length; j++)
		buttons[j].checked = buttons[j].value == value;
}
