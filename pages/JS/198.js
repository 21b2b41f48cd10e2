/* Tavelo entry dialogs: adding and editing notes, ledger entries and reminders, the hour and
   minute pickers, and the link handlers of the entries list. Loaded after the toolkit (JS 174)
   by the calendar page and the entries page. */

var htmlno = HTML_rili;
var Lmsg1 = null;
var txshiPanel = null;

// What the open dialog is about, so that its buttons know what to send.
var tvEntryDlg = null;

var tvPlaceholderSb = '内容...';
var tvPlaceholderJz = '备注...';

function setHtmlNo(n) {
    htmlno = n;
}

/* ---------------------------------------------------------------- time texts */

function dateToSpan(time) {
    var text = String(time);
    var blank = text.indexOf(' ');
    var day = blank >= 0 ? text.substring(0, blank) : text;
    var rest = blank >= 0 ? text.substring(blank + 1) : '';
    if (day === GetDateStr(0)) return '今天 ' + rest;
    if (day === GetDateStr(-1)) return '昨天 ' + rest;
    if (day === GetDateStr(-2)) return '前天 ' + rest;
    return text;
}

// Builds YYYY-MM-DD HH:MM from the three fields, or null when they name no real moment: an
// entry stored under an impossible time would never appear in its day's list.
function tvEntryTime(dateText, hourText, minuteText) {
    var d = /^\s*(\d{4})-(\d{1,2})-(\d{1,2})\s*$/.exec(String(dateText));
    var h = /^\s*(\d{1,2})\s*$/.exec(String(hourText));
    var m = /^\s*(\d{1,2})\s*$/.exec(String(minuteText));
    if (!d || !h || !m) return null;
    var year = parseInt(d[1], 10), month = parseInt(d[2], 10), day = parseInt(d[3], 10);
    var hour = parseInt(h[1], 10), minute = parseInt(m[1], 10);
    if (year < 1000 || month < 1 || month > 12 || day < 1) return null;
    if (day > tvMonthLength(year, month - 1)) return null;
    if (hour > 23 || minute > 59) return null;
    return tvPad4(year) + '-' + tvPad2(month) + '-' + tvPad2(day) + ' ' + tvPad2(hour) + ':' + tvPad2(minute);
}

// The amount as the user typed it, or null when it is not a plain number; the native side would
// otherwise store such a text silently as 0.
function tvEntryAmount(text) {
    var t = String(text).replace(/^\s+|\s+$/g, '');
    if (!/^(\d+(\.\d*)?|\.\d+)$/.test(t)) return null;
    // The stored amount's text has room for nine whole digits only.
    if (parseFloat(t) >= 1e9) return null;
    return t;
}

/* ---------------------------------------------------------------- hour and minute pickers */

function tvPickerTable(rows, last, field) {
    var table = Gel('table');
    table.className = 'tbPop';
    for (var i = 0; i < rows; i++) {
        var tr = table.insertRow(-1);
        for (var j = 0; j < 10; j++) {
            var td = tr.insertCell(-1);
            var n = 10 * i + j;
            if (n > last) {
                td.style.background = '#d9e5f3';
                td.style.cursor = 'default';
                td.appendChild(Gtext('\u00a0'));
                continue;
            }
            td.appendChild(Gtext(n));
            td.onmouseover = function () { this.style.background = '#93b9eb'; };
            td.onmouseout = function () { this.style.background = '#fff'; };
            td.onclick = (function (value) {
                return function () {
                    var f = El(field);
                    if (f) f.value = value;
                    tvCloseTimePanel();
                };
            })(n);
        }
    }
    return table;
}

function Great24Table() {
    return tvPickerTable(3, 23, 'txtime1');
}

function Great60Table() {
    return tvPickerTable(6, 59, 'txtime2');
}

function tvCloseTimePanel() {
    if (txshiPanel) DNode(txshiPanel);
    txshiPanel = null;
}

// One panel at a time: while the hour panel is open the minute field opens nothing, and back.
function tvOpenTimePanel(field, hour) {
    field = El(field);
    field.style.color = '#000';
    if (txshiPanel) return;
    var pos = GetPos(field);
    var left = pos.x + (tvEntryDlg && tvEntryDlg.kind === 'tx' ? -2 : -191);
    // A panel reaching past the window's right edge would hide the numbers it offers.
    var room = document.documentElement.clientWidth - 214 - 4;
    if (left > room) left = room;
    if (left < 0) left = 0;
    var id = hour ? 'txshiPanel' : 'txfenPanel';
    var panel = LPanel(id, left, pos.y + 21, 214, hour ? 68 : 154);
    panel.id = id + 'Div';
    panel.setAttribute('IsTime1', '1');
    document.body.appendChild(panel);
    var inner = El(id);
    inner.setAttribute('IsTime1', '1');
    inner.style.position = 'relative';
    inner.appendChild(hour ? Great24Table() : Great60Table());
    var close = GIm(img_control_power_blue, '关闭');
    close.title = '关闭';
    close.style.position = 'absolute';
    close.style.right = '0';
    close.style.padding = '3px';
    close.style.cursor = 'pointer';
    if (hour) close.style.top = '43px';
    else close.style.bottom = '0';
    close.onclick = tvCloseTimePanel;
    inner.appendChild(close);
    txshiPanel = panel;
}

/* ---------------------------------------------------------------- dialogs */

function tvDlgImg(src, alt) {
    var im = GIm(src, alt);
    im.style.width = '22px';
    im.style.height = '22px';
    im.style.verticalAlign = 'middle';
    return im;
}

function tvDlgField(id, width, value) {
    var f = GTe(value, id);
    f.style.width = width + 'px';
    f.style.height = '15px';
    f.style.fontSize = '11px';
    f.style.padding = '0 1px';
    f.style.verticalAlign = 'middle';
    return f;
}

function tvRadio(value, label, checked) {
    var box = Gel('div');
    box.style.width = '60px';
    box.className = 'rbdiv';
    var r = Gel('input');
    r.type = 'radio';
    r.className = 'styled';
    r.name = 'rd';
    r.id = 'rd_' + value;
    r.value = value;
    r.checked = !!checked;
    box.appendChild(r);
    var l = Gel('div');
    l.style.margin = '0 2px 0 0';
    l.style.lineHeight = '25px';
    l.appendChild(Gtext(label));
    box.appendChild(l);
    return box;
}

// Appends the heading every box of the program shares (a 14-pixel icon, the title as text and a
// separator line) to root, and returns the title row.
function tvDialogHead(root, iconSrc, title) {
    var titleRow = Gel('div');
    titleRow.style.padding = '3px';
    var icon = GIm(iconSrc, title);
    icon.style.width = '14px';
    icon.style.height = '14px';
    icon.style.marginRight = '2px';
    icon.style.verticalAlign = 'middle';
    titleRow.appendChild(icon);
    titleRow.appendChild(Gtext(title));
    root.appendChild(titleRow);
    var hr = LHr();
    hr.style.marginBottom = '-1px';
    root.appendChild(hr);
    return titleRow;
}

// Builds and opens one dialog box. desc: kind, mode ('add' or 'edit'), id, title, icon, label,
// date, hour, minute, text, placeholder, areaHeight, income, amount.
function tvOpenEntryDialog(desc) {
    tvCloseTimePanel();
    if (Lmsg1) Lmsg1.Close();
    tvEntryDlg = desc;

    var root = Gel('div');
    var titleRow = tvDialogHead(root, desc.icon, desc.title);
    if (desc.kind === 'tx') titleRow.style.height = '15px';

    var body = Gel('div');
    body.style.padding = '3px';
    var dateRow = Gel('div');
    dateRow.style.cssFloat = 'left';
    dateRow.style.marginLeft = '1px';
    dateRow.style.marginBottom = '2px';
    dateRow.style.whiteSpace = 'nowrap';
    dateRow.appendChild(Gtext(desc.label));
    var date = tvDlgField('txtdata', 72, desc.date);
    date.onclick = function () { setday(this); };
    dateRow.appendChild(date);
    dateRow.appendChild(tvDlgImg(img_ri, '日'));
    var hour = tvDlgField('txtime1', 18, desc.hour);
    hour.onclick = function () { tvOpenTimePanel(this, true); };
    dateRow.appendChild(hour);
    dateRow.appendChild(tvDlgImg(img_shi, '时'));
    var minute = tvDlgField('txtime2', 18, desc.minute);
    minute.onclick = function () { tvOpenTimePanel(this, false); };
    dateRow.appendChild(minute);
    dateRow.appendChild(tvDlgImg(img_fen, '分'));
    body.appendChild(dateRow);

    if (desc.kind === 'jz') {
        body.appendChild(tvRadio('sr', '收入', desc.income));
        body.appendChild(tvRadio('zc', '支出', !desc.income));
        var amountBox = Gel('div');
        amountBox.className = 'rbdiv';
        amountBox.style.width = '130px';
        amountBox.style.whiteSpace = 'nowrap';
        var amount = GTe(desc.amount, 'jzvcont');
        amount.style.width = '100px';
        amount.style.verticalAlign = 'middle';
        amountBox.appendChild(amount);
        amountBox.appendChild(tvDlgImg(img_yuan, '元'));
        body.appendChild(amountBox);
    }

    var area = Gel('textarea');
    area.id = 'TextArea1';
    area.name = 'TextArea1';
    area.style.width = '244px';
    area.style.height = desc.areaHeight + 'px';
    area.style.clear = 'left';
    area.style.display = 'block';
    if (desc.placeholder) {
        area.value = desc.placeholder;
        area.style.color = '#555';
        area.tvPlaceholder = true;
    } else {
        area.value = desc.text;
        area.style.color = '#000';
        area.tvPlaceholder = false;
    }
    // Keyboard focus clears the placeholder too, so typed text never lands behind it.
    area.onclick = area.onfocus = function () {
        if (this.tvPlaceholder) {
            this.value = '';
            this.tvPlaceholder = false;
        }
        this.style.color = '#000';
    };
    body.appendChild(area);
    root.appendChild(body);

    var buttons = Gel('div');
    buttons.style.textAlign = 'center';
    buttons.style.clear = 'both';
    buttons.appendChild(LButton(desc.mode === 'add' ? '添加' : '编辑', 'tvEntrySave'));
    buttons.appendChild(LButton('取消', 'tvEntryCancel'));
    root.appendChild(buttons);

    Lmsg1 = new LMsg();
    Lmsg1.SetData(root, 260, 320, desc.title);
    if (desc.kind === 'jz') LForm.init();
    return Lmsg1;
}

function tvDefaultMoment(useMdate) {
    if (useMdate && mdate) {
        var p = String(mdate).split('|');
        var y = parseInt(p[0], 10), m = parseInt(p[1], 10), d = parseInt(p[2], 10);
        if (!isNaN(y) && !isNaN(m) && !isNaN(d)) {
            return { date: tvPad4(y) + '-' + tvPad2(m + 1) + '-' + tvPad2(d), hour: '0', minute: '0' };
        }
    }
    var now = new Date();
    return { date: tvDateText(now), hour: String(now.getHours()), minute: String(now.getMinutes()) };
}

function tvAddDialog(kind, title, icon, label, placeholder, areaHeight, useMdate) {
    var at = tvDefaultMoment(useMdate);
    return tvOpenEntryDialog({
        kind: kind, mode: 'add', id: '', title: title, icon: icon, label: label,
        date: at.date, hour: at.hour, minute: at.minute, text: '', placeholder: placeholder,
        areaHeight: areaHeight, income: true, amount: ''
    });
}

function EventAddSb() {
    return tvAddDialog('sb', '记事', img_sb, '记事时间 ', tvPlaceholderSb, 215, true);
}

function EventAddJz() {
    return tvAddDialog('jz', '记账', img_calculator, '记账时间 ', tvPlaceholderJz, 188, true);
}

function EventAddTx() {
    return tvAddDialog('tx', '提醒', img_calculator, '提醒时间 ', tvPlaceholderSb, 215, false);
}

// Accepts the row literal the native side sends, or rows already evaluated.
function tvFirstRow(rows) {
    if (typeof rows === 'string') {
        if (rows === '') return null;
        try {
            rows = (new Function('return ' + rows))();
        } catch (e) {
            return null;
        }
    }
    if (!(rows instanceof Array) || !rows.length) return null;
    return rows[0] instanceof Array ? rows[0] : rows;
}

function tvEditDialog(row, kind) {
    var time = String(row[3]);
    var m = /^(\S*)\s+(\d*):(\d*)/.exec(time);
    var amount = Number(row[1]) || 0;
    return tvOpenEntryDialog({
        kind: kind, mode: 'edit', id: String(row[4]),
        title: kind === 'jz' ? '记账' : '记事', icon: kind === 'jz' ? img_calculator : img_sb,
        label: kind === 'jz' ? '记账时间 ' : '记事时间 ',
        date: m ? m[1] : time, hour: m ? m[2] : '', minute: m ? m[3] : '',
        text: row[2] === undefined || row[2] === null ? '' : String(row[2]), placeholder: null,
        areaHeight: kind === 'jz' ? 188 : 215,
        income: amount > 0, amount: String(amount > 0 ? amount : -amount)
    });
}

function EventEditSb(rows) {
    var row = tvFirstRow(rows);
    if (row) tvEditDialog(row, 'sb');
}

function EventEditJz(rows) {
    var row = tvFirstRow(rows);
    if (row) tvEditDialog(row, 'jz');
}

function EventSelFun(rows) {
    var row = tvFirstRow(rows);
    if (!row) return;
    if (row[0] === 'sb') tvEditDialog(row, 'sb');
    else tvEditDialog(row, 'jz');
}

// Runs the dialog's save: checks what the user typed, sends it, and reloads the right page.
function tvEntrySave() {
    var dlg = tvEntryDlg;
    if (!dlg) return;
    var time = tvEntryTime(El('txtdata').value, El('txtime1').value, El('txtime2').value);
    if (time === null) {
        alert('请输入正确的时间！');
        return;
    }
    var amount = '0';
    if (dlg.kind === 'jz') {
        var sr = El('rd_sr'), zc = El('rd_zc');
        if (!sr.checked && !zc.checked) {
            alert('请选择！');
            return;
        }
        var typed = tvEntryAmount(El('jzvcont').value);
        if (typed === null) {
            alert('请输入金额！');
            return;
        }
        amount = sr.checked ? typed : '-' + typed;
    }
    var area = El('TextArea1');
    var text = area.tvPlaceholder ? '' : area.value;
    if (dlg.mode === 'add') {
        window.external.ServerFun('shzl', 'addData', time, dlg.kind, amount, text);
        window.external.GotoHtml(htmlno);
    } else if (dlg.kind === 'sb') {
        window.external.ServerFun('shzl', 'editDataSb', dlg.id, time, '0', text);
    } else {
        window.external.ServerFun('shzl', 'editDataJz', dlg.id, time, amount, text);
    }
}

function tvEntryCancel() {
    var dlg = tvEntryDlg;
    tvCloseTimePanel();
    closeLayer();
    if (dlg && dlg.mode === 'edit') {
        window.external.GotoHtml(HTML_shzl);
        return;
    }
    if (Lmsg1) Lmsg1.Close();
    Lmsg1 = null;
    tvEntryDlg = null;
}

/* ---------------------------------------------------------------- list links */

// Only digits may reach the where fragment the native side runs.
function tvLinkId(x) {
    if (x && typeof x === 'object') x = x.id !== undefined ? x.id : '';
    var m = /^\s*(\d+)/.exec(String(x));
    return m ? m[1] : null;
}

function editRili(x) {
    var id = tvLinkId(x);
    if (id !== null) window.external.ServerFun('shzl', 'editRili', ' id==' + id, '', '', '');
}

function delRili(x) {
    var id = tvLinkId(x);
    if (id !== null) window.external.ServerFun('shzl', 'delData', id, '', '', '');
}
