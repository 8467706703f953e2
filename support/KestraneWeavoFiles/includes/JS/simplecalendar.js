// The pop-up calendar of the date controls: g_Calendar.show(event, target, showTime, format)
// opens a month beside the mouse and writes the picked day into the target control in the
// format ("mm/dd/yyyy", "dd/mm/yyyy" or "yyyy/mm/dd").

var timeoutId = null;
var timeoutDelay = 1500;

var kMonthNames = ["January", "February", "March", "April", "May", "June", "July", "August",
	"September", "October", "November", "December"];

function padTwo(number)
{
	return number < 10 ? "0" + number : String(number);
}

// The date in the format.
function formatCalendarDate(date, format)
{
	return String(format || "mm/dd/yyyy").toLowerCase()
		.replace("yyyy", String(date.getFullYear()))
		.replace("mm", padTwo(date.getMonth() + 1))
		.replace("dd", padTwo(date.getDate()));
}

// The date that the text holds in the format, or null when it holds no date of the calendar
// (parts of digits only, a year of four digits).
function parseCalendarDate(text, format)
{
	var parts = String(text == null ? "" : text).replace(/^\s+|\s+$/g, "").split(/[\/-]/);
	var order = String(format || "mm/dd/yyyy").toLowerCase().split(/[\/-]/);
	if (parts.length != 3 || order.length != 3)
		return null;
	var day = 0, month = 0, year = 0;
	for (var i = 0; i < 3; i++)
	{
		if (!/^[0-9]+$/.test(parts[i]))
			return null;
		var number = parseInt(parts[i], 10);
		if (order[i].charAt(0) == "d")
			day = number;
		else if (order[i].charAt(0) == "m")
			month = number;
		else if (parts[i].length == 4)
			year = number;
	}
	if (month < 1 || month > 12 || day < 1 || year < 1 || day > new Date(year, month, 0).getDate())
		return null;
	return new Date(year, month - 1, day);
}

function SimpleCalendar()
{
	this.div = null;
	this.target = null;
	this.format = "mm/dd/yyyy";
	this.month = new Date();
}

// The control that a target names: an element, or a path such as "aspnetForm.field".
SimpleCalendar.prototype.resolveTarget = function(target)
{
	if (typeof target != "string")
		return target;
	var node = document;
	var names = target.split(".");
	for (var i = 0; i < names.length && node; i++)
		node = node[names[i]];
	return node || document.getElementById(names[names.length - 1]);
};

SimpleCalendar.prototype.show = function(event, target, showTime, format)
{
	this.target = this.resolveTarget(target);
	if (!this.target)
		return;
	this.format = format || "mm/dd/yyyy";
	this.month = parseCalendarDate(this.target.value, this.format) || new Date();
	if (!this.div)
	{
		this.div = document.createElement("div");
		this.div.className = "CalendarPopup";
		this.div.onmouseover = function()
		{
			if (timeoutId)
				clearTimeout(timeoutId);
		};
		this.div.onmouseout = function()
		{
			calendarTimeout();
		};
		document.body.appendChild(this.div);
	}
	var e = event || window.event;
	this.div.style.left = ((e && e.pageX) || 0) + 10 + "px";
	this.div.style.top = ((e && e.pageY) || 0) + 10 + "px";
	this.div.style.display = "block";
	this.render();
};

SimpleCalendar.prototype.hide = function()
{
	if (this.div)
		this.div.style.display = "none";
};

SimpleCalendar.prototype.moveMonth = function(step)
{
	this.month = new Date(this.month.getFullYear(), this.month.getMonth() + step, 1);
	this.render();
};

SimpleCalendar.prototype.pick = function(day)
{
	var date = new Date(this.month.getFullYear(), this.month.getMonth(), day);
	this.target.value = formatCalendarDate(date, this.format);
	this.hide();
};

SimpleCalendar.prototype.render = function()
{
	var year = this.month.getFullYear();
	var month = this.month.getMonth();
	var first = new Date(year, month, 1).getDay();
	var days = new Date(year, month + 1, 0).getDate();
	var html = "<table class=\"CalendarTable\"><tr class=\"CalendarHeader\">" +
		"<td class=\"CalendarNav\" data-step=\"-1\">&lt;</td>" +
		"<td colspan=\"5\">" + kMonthNames[month] + " " + year + "</td>" +
		"<td class=\"CalendarNav\" data-step=\"1\">&gt;</td></tr><tr class=\"CalendarWeekDays\">";
	var names = ["Su", "Mo", "Tu", "We", "Th", "Fr", "Sa"];
	for (var n = 0; n < 7; n++)
		html += "<td>" + names[n] + "</td>";
	html += "</tr><tr>";
	for (var blank = 0; blank < first; blank++)
		html += "<td></td>";
	for (var day = 1; day <= days; day++)
	{
		if ((first + day - 1) % 7 == 0 && day != 1)
			html += "</tr><tr>";
		html += "<td class=\"CalendarDay\" data-day=\"" + day + "\">" + day + "</td>";
	}
	html += "</tr></table>";
	this.div.innerHTML = html;
	var calendar = this;
	var cells = this.div.getElementsByTagName("td");
	for (var i = 0; i < cells.length; i++)
	{
		var cell = cells[i];
		if (cell.getAttribute("data-day"))
			cell.onclick = function()
			{
				calendar.pick(parseInt(this.getAttribute("data-day"), 10));
			};
		else if (cell.getAttribute("data-step"))
			cell.onclick = function()
			{
				calendar.moveMonth(parseInt(this.getAttribute("data-step"), 10));
			};
	}
};

var g_Calendar = new SimpleCalendar();

// Closes the calendar after the delay unless the mouse comes back to it.
function calendarTimeout()
{
	if (timeoutId)
		clearTimeout(timeoutId);
	timeoutId = setTimeout(function()
	{
		g_Calendar.hide();
	}, timeoutDelay);
}
