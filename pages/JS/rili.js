/*
 * Tavelo month calendar: draws one month with lunar dates, festivals and solar terms, marks the
 * days that have notes, ledger entries or reminders, and opens the entries page for one day or
 * for the whole month. The calendar page and the about page both run it; the about page sets
 * RILI_ABOUT before loading this script.
 *
 * Loaded after the toolkit (JS 174), the lunar computation and the entry dialogs (JS 198).
 */

var rlAbout = typeof RILI_ABOUT !== 'undefined' && RILI_ABOUT === true;
var rlFirstYear = rlAbout ? 2000 : 2010;
var rlLastYear = 2049;

// All entries of the database as [kind, amount, text, time] rows; null until the first answer.
var DataSet1 = null;
// Month record of the month on show.
var cld = null;
// Entries gathered per day ('YYYY-MM-DD' -> summary), built in one pass whenever DataSet1 changes.
var rlDays = null;
// Set while the buttons move the restyled lists, so the lists' own change handler stays quiet.
var rlSyncing = false;

var RL_DATE = /^[0-9]{4}-[0-9]{2}-[0-9]{2}$/;

/* ---------------------------------------------------------------- texts */

function rlPad2(n) {
    return n < 10 ? '0' + n : String(n);
}

function rlDateText(y, m, d) {
    return y + '-' + rlPad2(m + 1) + '-' + rlPad2(d);
}

// The condition the entries page is filled with for one day (month m counted from 0).
function rlDayCondition(y, m, d) {
    var day = rlDateText(y, m, d);
    return " time>='" + day + " ' and time<='" + day + " 23:59:59' ORDER BY time DESC";
}

// The condition for a whole month; for December the bound is month 13 of the same year, which
// still sorts above every December time and below every time of the next year.
function rlMonthCondition(y, m) {
    return " time>='" + y + '-' + rlPad2(m + 1) + "-01' and time<'" + y + '-' + rlPad2(m + 2) +
        "-01' ORDER BY time DESC";
}

// Keeps the first two characters (whole characters, not halves of a surrogate pair) and shows
// that something was cut only when something was.
function rlCut(text) {
    var chars = Array.from(text);
    return chars.length > 2 ? chars.slice(0, 2).join('') + '..' : text;
}

// Sums of money are shown with at most two decimals, so that adding 0.1 and 0.2 shows 0.3.
function rlMoney(v) {
    var r = Math.round(v * 100) / 100;
    return String(r === 0 ? 0 : r);
}

/* ---------------------------------------------------------------- selection */

function rlYear() {
    return El('SY').selectedIndex + rlFirstYear;
}

function rlMonth() {
    return El('SM').selectedIndex;
}

// Selects option n of a list and shows it in the list's restyled box as well, when it has one.
function rlSelect(sel, n) {
    if (n < 0 || n >= sel.options.length) return;
    var box = El('options_' + sel.name);
    if (box) {
        var i = Array.prototype.indexOf.call(document.getElementsByTagName('select'), sel);
        rlSyncing = true;
        try {
            clickOptions(i, n, sel.name);
        } finally {
            rlSyncing = false;
        }
    } else {
        sel.selectedIndex = n;
    }
}

function rlSelectMonth(y, m) {
    var sy = El('SY');
    var sm = El('SM');
    var yi = Math.min(Math.max(y - rlFirstYear, 0), sy.options.length - 1);
    if (sy.selectedIndex !== yi) rlSelect(sy, yi);
    if (sm.selectedIndex !== m) rlSelect(sm, m);
}

/* ---------------------------------------------------------------- cells */

function rlMakeRow(r) {
    var tr = Gel('tr');
    tr.id = 'TD' + r;
    tr.style.height = '43px';
    for (var c = 0; c < 7; c++) {
        var n = 7 * r + c;
        var td = Gel('td');
        td.id = 'GD' + n;
        td.className = c === 6 ? 'rlDay rlSat' : 'rlDay';
        var sd = Gel('span');
        sd.id = 'SD' + n;
        sd.className = 'rlSD';
        var ld = Gel('span');
        ld.id = 'LD' + n;
        ld.className = 'rlLD';
        td.appendChild(sd);
        td.appendChild(ld);
        td.onclick = (function (k) { return function () { daypop(k); }; })(n);
        tr.appendChild(td);
    }
    return tr;
}

// Writes the six rows of day cells while the page is parsed.
function rlWriteCells() {
    var body = El('contBody');
    for (var r = 0; r < 6; r++) body.appendChild(rlMakeRow(r));
}

function AddRow() {
    if (!El('TD5')) El('contBody').appendChild(rlMakeRow(5));
}

function rlSetText(e, text) {
    if (e.textContent !== text) e.textContent = text;
}

function drawCld(y, m) {
    AddRow();
    cld = calendar(y, m);
    for (var n = 0; n < 42; n++) {
        var cell = El('GD' + n);
        var sd = El('SD' + n);
        var ld = El('LD' + n);
        var i = n - cld.firstWeek;
        if (i < 0 || i >= cld.length) {
            cell.style.backgroundColor = '#f6f6f6';
            rlSetText(sd, '');
            rlSetText(ld, '');
            continue;
        }
        var day = cld[i];
        cell.style.backgroundColor = day.isToday && !rlAbout ? '#e1eaf5' : (day.isToday ? '#f6f6f6' : '#fff');
        sd.style.color = day.color;
        rlSetText(sd, String(i + 1));
        var text;
        var color = '';
        if (day.lunarFestival) {
            text = day.lunarFestival.length > 6 ? day.lunarFestival.substr(0, 4) + '\u2026' : day.lunarFestival;
            color = '#f15762';
        } else if (day.solarFestival) {
            text = day.solarFestival;
            color = '#f15762';
        } else if (day.solarTerms) {
            text = day.solarTerms;
        } else if (day.lDay === 1) {
            text = (day.isLeap ? '闰' : '') + toCn(day.lMonth) + '月';
        } else {
            text = cDay(day.lDay);
        }
        ld.style.color = color;
        rlSetText(ld, text.replace(/ +$/, ''));
    }
    ChangeRowHeight();
    drawIcon();
}

function changeCld() {
    drawCld(rlYear(), rlMonth());
}

function rlClientHeight() {
    return document.documentElement.clientHeight || window.innerHeight || 0;
}

function ChangeRowHeight() {
    var rows = 6;
    if (El('SD35') && El('SD35').textContent === '') {
        DNode('TD5');
        rows = 5;
    } else if (!El('TD5')) {
        rows = 5;
    }
    var h = Math.floor((rlClientHeight() - 89) / rows);
    if (h < 20) h = 20;
    for (var r = 0; r < rows; r++) {
        var tr = El('TD' + r);
        if (tr) tr.style.height = h + 'px';
    }
}

/* ---------------------------------------------------------------- marks */

// One pass over all entries: each usable one is added to the summary of its day. An entry is
// usable when its time is a date, a blank and a time of day that the day's own condition would
// list, so that a mark never leads to an empty list; anything else is skipped.
function rlGatherDays(rows) {
    var days = new Map();
    for (var k = 0; k < rows.length; k++) {
        var row = rows[k];
        if (!row || typeof row !== 'object') continue;
        var t = row[3];
        if (typeof t !== 'string' || t.length < 11 || t.charCodeAt(10) !== 32) continue;
        var key = t.substr(0, 10);
        if (!RL_DATE.test(key) || t > key + ' 23:59:59') continue;
        var kind = row[0];
        if (kind !== 'sb' && kind !== 'jz' && kind !== 'tx') continue;
        var d = days.get(key);
        if (!d) {
            d = { sb: 0, sbText: '', jz: false, jzSum: 0, tx: 0, txText: '' };
            days.set(key, d);
        }
        var text = row[2] === undefined || row[2] === null ? '' : String(row[2]);
        if (kind === 'sb') {
            if (d.sb === 0) d.sbText = text;
            d.sb++;
        } else if (kind === 'jz') {
            var amount = Number(row[1]);
            d.jz = true;
            d.jzSum += isFinite(amount) ? amount : 0;
        } else {
            if (d.tx === 0) d.txText = text;
            d.tx++;
        }
    }
    return days;
}

function rlKindBlock(icon, iconClass, textClass, text, width) {
    var block = Gel('div');
    block.className = 'rlKind';
    block.style.width = width + 'px';
    var img = Gel('img');
    img.src = icon;
    img.alt = '';
    if (iconClass) img.className = iconClass;
    var span = Gel('span');
    span.className = textClass;
    span.textContent = text;
    block.appendChild(img);
    block.appendChild(span);
    return block;
}

// A day with all three kinds under a festival that takes two lines does not leave room for
// three full-size marks when the month has six rows; the marks then shrink to the room left, so
// that they never cover the next row.
function rlFitMarks(box, room) {
    var kinds = box.children.length;
    if (kinds === 0 || kinds * 15 <= room) return;
    var line = Math.max(9, Math.floor(room / kinds));
    for (var i = 0; i < kinds; i++) {
        var block = box.children[i];
        block.style.height = (line - 1) + 'px';
        block.style.lineHeight = (line - 1) + 'px';
        block.style.fontSize = Math.min(11, line - 1) + 'px';
        var img = block.firstChild;
        img.style.height = Math.min(14, line - 1) + 'px';
        img.style.width = 'auto';
    }
}

function rlPagePos(e) {
    var r = e.getBoundingClientRect();
    return { x: r.left + window.pageXOffset, y: r.top + window.pageYOffset, bottom: r.bottom + window.pageYOffset };
}

function drawIcon() {
    if (DataSet1 === null) return;
    var layer = El('ShowIcon');
    if (!layer) return;
    ClearChildrenNode(layer);
    var y = rlYear();
    var m = rlMonth();
    cld = calendar(y, m);
    if (!rlDays) rlDays = rlGatherDays(DataSet1);
    var prefix = y + '-' + rlPad2(m + 1) + '-';
    var layerPos = rlPagePos(layer);
    var fragment = document.createDocumentFragment();
    for (var i = 0; i < cld.length; i++) {
        var d = rlDays.get(prefix + rlPad2(i + 1));
        if (!d) continue;
        var n = i + cld.firstWeek;
        var cell = El('GD' + n);
        if (!cell) continue;
        var cellPos = rlPagePos(cell);
        // The marks start under the cell's texts, which take two lines when a festival wraps.
        var textBottom = Math.max(rlPagePos(El('SD' + n)).bottom, rlPagePos(El('LD' + n)).bottom);
        var width = Math.min(50, cell.offsetWidth - 3);
        var box = Gel('div');
        box.id = 'MK' + n;
        box.className = 'rlMark';
        box.style.left = (cellPos.x + 2 - layerPos.x) + 'px';
        box.style.top = (textBottom + 2 - layerPos.y) + 'px';
        if (d.sb) {
            box.appendChild(rlKindBlock(img_sb, '', 'rlSbText',
                ' ' + (d.sb === 1 ? rlCut(d.sbText) : d.sb + '条'), width));
        }
        if (d.jz) {
            var jz = rlKindBlock(img_calculator, 'rlCalc', 'rlJzText', ' ' + rlMoney(Math.abs(d.jzSum)), width);
            jz.lastChild.style.color = Math.round(d.jzSum * 100) >= 0 ? 'red' : 'green';
            box.appendChild(jz);
        }
        if (d.tx) {
            box.appendChild(rlKindBlock(img_calendar_view_day, '', 'rlTxText',
                ' ' + (d.tx === 1 ? rlCut(d.txText) : String(d.tx)), width));
        }
        rlFitMarks(box, cellPos.y + cell.offsetHeight - (textBottom + 2));
        box.onclick = (function (k) { return function (e) { if (e) e.stopPropagation(); daypop(k); }; })(n);
        fragment.appendChild(box);
    }
    layer.appendChild(fragment);
}

/* ---------------------------------------------------------------- requests */

function InitData(answer) {
    if (answer === ']' || answer === undefined || answer === null || answer === '') return;
    var rows;
    try {
        rows = new Function('return ' + answer + ';')();
    } catch (e) {
        return;
    }
    if (!Array.isArray(rows)) return;
    DataSet1 = rows;
    rlDays = null;
    drawIcon();
}

function setZJVal(value) {
    var box = El('ZJVal');
    var text = String(value);
    var n = Number(text);
    if (!box || text === '' || !isFinite(n)) return;
    if (n >= 0) {
        box.style.color = 'red';
        box.textContent = text;
    } else {
        box.style.color = 'green';
        box.textContent = text.replace(/^\s*-/, '');
    }
}

function daypop(n) {
    if (!cld) return;
    var i = n - cld.firstWeek;
    if (i < 0 || i >= cld.length) return;
    var y = rlYear();
    var m = rlMonth();
    window.external.ServerFun('shzl', 'SetData', y + '|' + m + '|' + (i + 1), '', '', '');
    window.external.ServerFun('shzl', 'getDataByData', rlDayCondition(y, m, i + 1), '', '', '');
}

function rlMonthQuery() {
    window.external.ServerFun('shzl', 'getDataByData', rlMonthCondition(rlYear(), rlMonth()), '', '', '');
}

/* ---------------------------------------------------------------- navigation */

// At the ends of the year list the month buttons stay on the month on show, as the year buttons
// do, rather than jumping to the other end of the same year.
function pushBtm(key) {
    var y = rlYear();
    var m = rlMonth();
    switch (key) {
    case 'yearBack':
        if (y > rlFirstYear) rlSelectMonth(y - 1, m);
        break;
    case 'yearForward':
        if (y < rlLastYear) rlSelectMonth(y + 1, m);
        break;
    case 'monthBack':
        if (m > 0) rlSelectMonth(y, m - 1);
        else if (y > rlFirstYear) rlSelectMonth(y - 1, 11);
        break;
    case 'monthForward':
        if (m < 11) rlSelectMonth(y, m + 1);
        else if (y < rlLastYear) rlSelectMonth(y + 1, 0);
        break;
    case 'today':
        rlSelectMonth(tY, tM);
        break;
    }
    changeCld();
}

function rlListChanged() {
    if (!rlSyncing) changeCld();
}

/* ---------------------------------------------------------------- page */

function rlTarget(e) {
    var t = e && e.target;
    if (t && t.nodeType === 3) t = t.parentNode;
    return t && t.tagName ? t : null;
}

// Clicks outside the date picker close it; clicks outside an hour or minute panel close that.
function rlDocumentClick(e) {
    tvDocumentClick(e);
    var t = rlTarget(e);
    if (!t || t.tagName === 'INPUT') return;
    if (t.closest && t.closest('[IsTime1]')) return;
    if (typeof tvCloseTimePanel === 'function') tvCloseTimePanel();
}

function rlBuildLists() {
    var sy = El('SY');
    var sm = El('SM');
    for (var y = rlFirstYear; y <= rlLastYear; y++) sy.options.add(new Option(y + '年', String(y)));
    for (var m = 1; m <= 12; m++) sm.options.add(new Option(m + '月', String(m)));
    sy.onchange = rlListChanged;
    sm.onchange = rlListChanged;
}

function rlNavImage(holder, src, alt, key) {
    var block = Gel('div');
    block.className = 'rlBtn';
    var img = GIm(src, alt, 'rl_' + key);
    img.title = alt;
    img.onmousedown = function (e) {
        if (e) e.preventDefault();
        pushBtm(key);
    };
    block.appendChild(img);
    holder.appendChild(block);
}

function rlListBox(holder, name, boxClass) {
    var box = Gel('div');
    box.className = boxClass;
    var sel = Gel('select');
    sel.name = name;
    sel.id = name;
    box.appendChild(sel);
    holder.appendChild(box);
}

// Writes the month table (navigation row, weekday heads, six rows of day cells) and the
// places of the toolbar and the mark layer; runs while the page is parsed.
function rlWritePage() {
    var body = document.body;
    var show = Gel('div');
    show.id = 'showDiv';
    body.appendChild(show);
    var bar = Gel('div');
    bar.id = 'tool';
    body.appendChild(bar);

    var form = Gel('form');
    form.name = 'CLD';
    form.id = 'CLD';
    form.onsubmit = function () { return false; };
    var table = Gel('table');
    table.id = 'contTable';
    var head = Gel('thead');
    var navRow = Gel('tr');
    var navCell = Gel('td');
    navCell.colSpan = 7;
    navCell.className = 'rlNavCell';
    var nav = Gel('div');
    nav.id = 'rlNav';
    rlNavImage(nav, img_control_rewind_blue, '前一年', 'yearBack');
    rlNavImage(nav, img_control_play_left_blue, '前一月', 'monthBack');
    rlListBox(nav, 'SY', 'LSelWidth80');
    rlListBox(nav, 'SM', 'LSelWidth60');
    rlNavImage(nav, img_control_play_blue, '后一月', 'monthForward');
    rlNavImage(nav, img_control_fastforward_blue, '后一年', 'yearForward');
    rlNavImage(nav, img_control_repeat_blue, '今天', 'today');
    navCell.appendChild(nav);
    navRow.appendChild(navCell);
    head.appendChild(navRow);
    var weekRow = Gel('tr');
    for (var w = 0; w < 7; w++) {
        var th = Gel('td');
        th.className = 'rlWeek';
        th.textContent = nStr1[w];
        weekRow.appendChild(th);
    }
    head.appendChild(weekRow);
    table.appendChild(head);
    var tbody = Gel('tbody');
    tbody.id = 'contBody';
    table.appendChild(tbody);
    form.appendChild(table);
    body.appendChild(form);

    rlBuildLists();
    rlWriteCells();
}

function rlBuildTool() {
    var bar = El('tool');
    bar.className = 'LGird_table_head';
    var zj = Gel('div');
    zj.id = 'ZJVal';
    if (rlAbout) {
        zj.style.left = '22px';
        zj.style.color = 'red';
        zj.textContent = '0';
    }
    bar.appendChild(zj);
    var tool = new LTool();
    tool.SetData([
        ['当月记录', 'rlMonthQuery', img_image, 'rlMonthItem'],
        ['|'],
        ['记事', 'EventAddSb', img_sb, 'rlSbItem'],
        ['记账', 'EventAddJz', img_calculator, 'rlJzItem']
    ]);
    bar.appendChild(tool.tool);
}

function rlBuildLayer() {
    var holder = El('showDiv');
    var layer = Gel('div');
    layer.id = 'ShowIcon';
    holder.appendChild(layer);
}

function rlLoad() {
    rlBuildTool();
    rlBuildLayer();
    rlSelectMonth(tY, tM);
    drawCld(rlYear(), rlMonth());
    window.external.ServerFun('shzl', 'getData', '', '', '', '');
    initSelect();
    if (typeof setHtmlNo === 'function') setHtmlNo(HTML_rili);
    document.onclick = rlDocumentClick;
    window.onresize = function () {
        ChangeRowHeight();
        drawIcon();
    };
}

window.addEventListener('load', rlLoad, false);
