// The editable combo box: a text box, a button that opens the list below it, and the list
// (a list box inside a hidden div whose id is "div_" and the field name).

// The text of the list's option whose value is val, or "None".
function getSelctedTextFromEditableCombo(val, list)
{
	if (list && list.options)
		for (var i = 0; i < list.options.length; i++)
			if (list.options[i].value == val)
				return list.options[i].text;
	return "None";
}

function showList(div)
{
	div.style.display = "block";
	var list = div.getElementsByTagName("select")[0];
	if (list && list.options.length > 1)
		list.size = Math.min(list.options.length, 8);
}

function showHideList(divId)
{
	var div = document.getElementById(divId);
	if (!div)
		return;
	if (div.style.display == "none" || div.style.display == "")
		showList(div);
	else
		div.style.display = "none";
}

// Hides the list when the mouse leaves it for an element outside it.
function hideList(div, event)
{
	var e = event || window.event;
	var to = e ? (e.relatedTarget || e.toElement) : null;
	if (to && div.contains(to))
		return;
	div.style.display = "none";
}

// Takes the clicked entry into the text box and closes the list.
function handleClickOnList(editable, list, div)
{
	if (list.selectedIndex >= 0)
		editable.value = list.options[list.selectedIndex].text;
	div.style.display = "none";
}

// Selects the first entry that starts with the typed text (ignoring case) and keeps its
// value in the hidden field.
function fn_SearchCombo(editable, hidden, list, divId)
{
	var typed = editable.value.toLowerCase();
	var div = document.getElementById(divId);
	for (var i = 0; i < list.options.length; i++)
	{
		if (list.options[i].text.toLowerCase().indexOf(typed) == 0)
		{
			list.selectedIndex = i;
			hidden.value = list.options[i].value;
			if (div && typed != "")
				showList(div);
			return;
		}
	}
	list.selectedIndex = -1;
	hidden.value = "";
}

// Up and down move through the list, Enter takes the entry, Escape closes the list.
function fn_NevigateSearchCombo(editable, hidden, list, divId)
{
	var e = window.event;
	var key = e ? e.keyCode : 0;
	var div = document.getElementById(divId);
	if (key == 40 && list.selectedIndex < list.options.length - 1)
		list.selectedIndex++;
	else if (key == 38 && list.selectedIndex > 0)
		list.selectedIndex--;
	else if (key == 13 || key == 27)
	{
		if (key == 13 && list.selectedIndex >= 0)
			editable.value = list.options[list.selectedIndex].text;
		if (div)
			div.style.display = "none";
		if (e && e.preventDefault)
			e.preventDefault();
		return;
	}
	else
		return;
	if (list.selectedIndex >= 0)
	{
		hidden.value = list.options[list.selectedIndex].value;
		editable.value = list.options[list.selectedIndex].text;
	}
}

// The editable combo boxes of the page: list divs with their text boxes.
function eachEditableCombo(handle)
{
	var divs = document.getElementsByTagName("div");
	for (var i = 0; i < divs.length; i++)
	{
		if (divs[i].id.indexOf("div_") != 0)
			continue;
		var list = divs[i].getElementsByTagName("select")[0];
		var editable = list ? document.getElementById(list.id + "_editable") : null;
		if (editable)
			handle(divs[i], list, editable);
	}
}

// Shows each list's selected entry in its text box ("None" when nothing is selected).
function initialize()
{
	eachEditableCombo(function(div, list, editable)
	{
		var selected = list.selectedIndex >= 0 ? list.options[list.selectedIndex].value : null;
		editable.value = getSelctedTextFromEditableCombo(selected, list);
	});
}

// Closes every list.
function load()
{
	eachEditableCombo(function(div)
	{
		div.style.display = "none";
	});
}
