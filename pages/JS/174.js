/*
 * Tavelo page toolkit: element builders, events, dates, panels, modal box, buttons,
 * toolbars, the paged grid, restyled form controls and the pop-up date picker.
 * Every page loads this script; everything it declares is a page global on purpose,
 * because the pages and the native side address these names directly.
 */

/* ---------------------------------------------------------------- page constants */

var HTML_shzl = 176;
var HTML_rili = 187;
var mdate = null;

var TAVELO_RES = 'tavelo://app/';

function tvRes(type, id) {
    return TAVELO_RES + type + '/' + id;
}

/* ---------------------------------------------------------------- image names */

var img_control_start_blue = tvRes('PNG', 140);
var img_control_play_left_blue = tvRes('PNG', 138);
var img_control_play_blue = tvRes('PNG', 137);
var img_control_end_blue = tvRes('PNG', 136);
var img_control_repeat_blue = tvRes('PNG', 139);
var img_control_rewind_blue = tvRes('PNG', 191);
var img_control_fastforward_blue = tvRes('PNG', 192);
var img_control_power_blue = tvRes('PNG', 197);
var img_sb = tvRes('PNG', 185);
var img_calculator = tvRes('PNG', 186);
var img_calendar_view_day = tvRes('PNG', 183);
var img_image = tvRes('PNG', 184);
var img_money_yen = tvRes('PNG', 178);
var img_ri = tvRes('PNG', 194);
var img_shi = tvRes('PNG', 195);
var img_fen = tvRes('PNG', 193);
var img_yuan = tvRes('PNG', 196);
var img_toolbarAdd = tvRes('PNG', 202);
var img_icon0 = tvRes('PNG', 203);
var img_open = tvRes('GIF', 166);
var img_close = tvRes('GIF', 168);
var img_checkbox = tvRes('PNG', 135);
var img_radio = tvRes('PNG', 159);
var img_pagebg = tvRes('PNG', 157);
var img_popTitle = tvRes('PNG', 158);
var img_toolbt = tvRes('PNG', 134);
var img_toolbt2 = tvRes('PNG', 164);
var img_tableTopBg = tvRes('PNG', 163);
var img_grid_blue_split = tvRes('GIF', 182);
var img_grid_blue_split_h = tvRes('GIF', 171);
var img_calculator_add = tvRes('GIF', 165);
var img_clock_add = tvRes('GIF', 167);
var img_comment_add = tvRes('GIF', 169);
var img_images = tvRes('GIF', 172);
var img_left1 = tvRes('PNG', 141);
var img_left2 = tvRes('PNG', 142);
var img_left3 = tvRes('PNG', 143);
var img_right1 = tvRes('PNG', 160);
var img_right2 = tvRes('PNG', 161);
var img_right3 = tvRes('PNG', 162);
var img_menublksz1 = tvRes('PNG', 144);
var img_menublksz2 = tvRes('PNG', 145);
var img_menublksz3 = tvRes('PNG', 146);
var img_menurjbqh1 = tvRes('PNG', 148);
var img_menurjbqh2 = tvRes('PNG', 149);
var img_menurjbqh3 = tvRes('PNG', 150);
var img_menushzl1 = tvRes('PNG', 151);
var img_menushzl2 = tvRes('PNG', 152);
var img_menushzl3 = tvRes('PNG', 153);
var img_menutpx1 = tvRes('PNG', 154);
var img_menutpx2 = tvRes('PNG', 155);
var img_menutpx3 = tvRes('PNG', 156);
var img_sbTop = tvRes('PNG', 179);
var img_select60 = tvRes('GIF', 188);
var img_select80 = tvRes('GIF', 189);
var img_select = tvRes('GIF', 190);
var img_dzxc1 = tvRes('PNG', 205);
var img_dzxc2 = tvRes('PNG', 206);

/* ---------------------------------------------------------------- element builders */

function El(id) {
    if (id && typeof id === 'object') return id;
    return document.getElementById(id);
}
var el = El;

function Gel(tag) {
    return document.createElement(tag);
}
var CNode = Gel;

function Gtext(text) {
    return document.createTextNode(text === undefined || text === null ? '' : String(text));
}
var TNode = Gtext;

function DNode(id) {
    var e = El(id);
    if (e && e.parentNode) e.parentNode.removeChild(e);
}

function RNode(newNode, oldNode) {
    var o = El(oldNode);
    o.parentNode.replaceChild(El(newNode), o);
}

function IBNode(newNode, oldNode) {
    var o = El(oldNode);
    o.parentNode.insertBefore(El(newNode), o);
}

function IANode(newNode, oldNode) {
    var o = El(oldNode);
    o.parentNode.insertBefore(El(newNode), o.nextSibling);
}

function ClearChildrenNode(e) {
    e = El(e);
    while (e.firstChild) e.removeChild(e.firstChild);
}

function Els(tag) {
    return document.getElementsByTagName(tag);
}

// Deliberately markup: pages use it for their own fixed fragments, never for user text.
function inh(id, markup) {
    El(id).innerHTML = markup;
}

// Numeric style values are pixels; the old engine read bare numbers that way.
function tvPx(v) {
    return (typeof v === 'number' || /^-?[0-9.]+$/.test(String(v))) ? v + 'px' : String(v);
}

function GetPos(e) {
    e = El(e);
    var x = 0, y = 0;
    while (e) {
        x += e.offsetLeft;
        y += e.offsetTop;
        e = e.offsetParent;
    }
    return { x: x, y: y };
}

function GetFormEl(settings) {
    var s = settings || {};
    var type = s.type || 'text';
    var e;
    if (type === 'select' || type === 'textarea' || type === 'img' || type === 'a') {
        e = Gel(type);
    } else {
        e = Gel('input');
        e.type = type;
    }
    for (var k in s) {
        if (!Object.prototype.hasOwnProperty.call(s, k)) continue;
        if (k === 'type' || k === 'options' || k === 'text' || k === 'pno' || k === 'value') continue;
        e[k] = s[k];
    }
    if (s.options && type === 'select') {
        for (var i = 0; i < s.options.length; i++) {
            var o = s.options[i];
            var opt = Gel('option');
            if (o instanceof Array) {
                opt.text = String(o[0]);
                opt.value = String(o[1]);
            } else {
                opt.text = String(o);
            }
            e.appendChild(opt);
        }
    }
    if (s.text !== undefined && s.text !== null) e.appendChild(Gtext(s.text));
    if (s.pno !== undefined && s.pno !== null) e.pno = s.pno;
    if (s.value !== undefined && s.value !== null) e.value = s.value;
    return e;
}

function GTe(value, id, pno) {
    var e = Gel('input');
    e.type = 'text';
    if (id !== undefined && id !== null) {
        e.id = id;
        e.name = id;
    }
    if (value !== undefined && value !== null) e.value = value;
    if (pno !== undefined && pno !== null) e.pno = pno;
    return e;
}

function GIm(src, alt, id) {
    var e = Gel('img');
    e.src = src;
    e.alt = (alt === undefined || alt === null) ? '' : alt;
    if (id !== undefined && id !== null) {
        e.id = id;
        e.name = id;
    }
    return e;
}

function GFi(id) {
    var e = Gel('input');
    e.type = 'file';
    e.id = id;
    e.name = id;
    return e;
}

function GFile(id) {
    var line = Gel('div');
    line.className = 'line';

    var holder = Gel('div');
    holder.style.width = '145px';
    holder.style.cssFloat = 'left';
    var view = GTe('', 'viewfile');
    view.className = 'inputstyle';
    holder.appendChild(view);

    var fileButton = Gel('div');
    fileButton.id = 'filebutton';
    fileButton.className = 'file1';
    var button = Gel('a');
    button.className = 'g_a2';
    button.href = 'javascript:void(0)';
    var b = Gel('span');
    b.className = 'g_b2';
    var c = Gel('span');
    c.className = 'g_c2';
    c.appendChild(Gtext('\u00a0'));
    var d = Gel('span');
    d.className = 'g_d2';
    d.appendChild(Gtext('浏 览..'));
    b.appendChild(c);
    b.appendChild(d);
    button.appendChild(b);
    fileButton.appendChild(button);

    var file = GFi(id);
    file.className = 'file';

    // The real file input lies invisibly over the button so that the click opens the chooser.
    fileButton.onmouseover = function () { file.style.visibility = 'visible'; };
    view.onmouseout = function () { file.style.visibility = 'hidden'; };
    file.onchange = function () {
        view.value = file.value;
        file.style.visibility = 'hidden';
    };

    line.appendChild(holder);
    line.appendChild(fileButton);
    line.appendChild(file);
    return line;
}

function GRadio(name, label, value) {
    var box = Gel('div');
    var r = Gel('input');
    r.type = 'radio';
    r.className = 'styled';
    r.name = name;
    r.id = name;
    r.value = value;
    box.appendChild(r);
    var l = Gel('div');
    l.style.margin = '5px 2px 0 0';
    l.appendChild(Gtext(label));
    box.appendChild(l);
    return box;
}

/* ---------------------------------------------------------------- events and loading */

var LEvent = {
    // Handlers that do not pass their event along still find it through the engine's current event.
    getEvent: function (e) {
        if (e && typeof e === 'object' && 'type' in e) return e;
        var caller = null;
        try {
            caller = LEvent.getEvent.caller;
            for (var depth = 0; caller && depth < 20; depth++) {
                var a = caller.arguments && caller.arguments[0];
                if (a && typeof a === 'object' && typeof Event !== 'undefined' && a instanceof Event) return a;
                caller = caller.caller;
            }
        } catch (ignored) {
            // Strict-mode callers hide their frames; the global event below still answers.
        }
        return window.event;
    },
    addEve: function (e, type, fn) {
        e = El(e);
        if (e.addEventListener) e.addEventListener(type, fn, false);
        else if (e.attachEvent) e.attachEvent('on' + type, fn);
        else e['on' + type] = fn;
    },
    delEve: function (e, type, fn) {
        e = El(e);
        if (e.removeEventListener) e.removeEventListener(type, fn, false);
        else if (e.detachEvent) e.detachEvent('on' + type, fn);
        else e['on' + type] = null;
    }
};

function addLoadEvent(fn) {
    var old = window.onload;
    if (typeof old !== 'function') {
        window.onload = fn;
    } else {
        window.onload = function () {
            old.apply(this, arguments);
            fn.apply(this, arguments);
        };
    }
}

/* ---------------------------------------------------------------- dates and checks */

function tvPad2(n) {
    return (n < 10 ? '0' : '') + n;
}

function tvPad4(n) {
    var s = String(n);
    while (s.length < 4) s = '0' + s;
    return s;
}

function tvDateText(d) {
    return tvPad4(d.getFullYear()) + '-' + tvPad2(d.getMonth() + 1) + '-' + tvPad2(d.getDate());
}

function stringToDate(text) {
    var m = /^\s*(\d{1,4})-(\d{1,2})-(\d{1,2})/.exec(String(text));
    if (!m) return new Date(NaN);
    var d = new Date(2000, 0, 1);
    d.setFullYear(parseInt(m[1], 10), parseInt(m[2], 10) - 1, parseInt(m[3], 10));
    d.setHours(0, 0, 0, 0);
    return d;
}

function NowDateToString() {
    return tvDateText(new Date());
}

function NowTimeToString() {
    var d = new Date();
    return d.getHours() + ':' + tvPad2(d.getMinutes()) + ':' + tvPad2(d.getSeconds());
}
var toTimeToString = NowTimeToString;

function GetDateStr(n) {
    var d = new Date();
    d.setDate(d.getDate() + (parseInt(n, 10) || 0));
    return tvDateText(d);
}

function forcheck(text) {
    return /^[0-9]*[1-9][0-9]*$/.test(text === undefined || text === null ? '' : String(text));
}

/* ---------------------------------------------------------------- framed panel */

function LPanel(id, left, top, width, height) {
    var wrap = Gel('div');

    var shadow = Gel('div');
    var s = shadow.style;
    s.position = 'absolute';
    s.left = tvPx(left);
    s.top = tvPx(top);
    s.width = tvPx(width);
    s.height = tvPx(height);
    s.background = '#000';
    s.zIndex = 20001;
    s.opacity = '0.3';
    s.filter = 'blur(4px)';
    shadow.className = 'LPanel_shadow';

    var face = Gel('div');
    var f = face.style;
    f.position = 'absolute';
    f.left = tvPx(left + 4);
    f.top = tvPx(top + 4);
    f.width = tvPx(width - 2);
    f.height = tvPx(height - 2);
    f.border = '1px solid #7e97b7';
    f.background = '#d9e5f3';
    f.zIndex = 20001;
    face.className = 'LPanel_face';

    var inner = Gel('div');
    inner.id = id;
    inner.style.border = '1px solid #fff';
    inner.style.width = tvPx(width - 4);
    inner.style.height = tvPx(height - 4);

    face.appendChild(inner);
    wrap.appendChild(shadow);
    wrap.appendChild(face);
    return wrap;
}

/* ---------------------------------------------------------------- modal box */

function tvContent(content) {
    if (content && typeof content === 'object' && content.nodeType) return content;
    return Gtext(content);
}

function LMsg() {
    this.bgDiv = null;
    this.msgDiv = null;
    this.msgCont = null;
}

LMsg.prototype.SetData = function (content, w, h, title, z, top) {
    var body = document.body;
    var root = document.documentElement;
    var hasTop = top !== undefined && top !== null && top !== '';

    var bg = Gel('div');
    bg.id = 'bgDiv';
    var b = bg.style;
    b.position = 'absolute';
    b.left = '0px';
    b.top = '0px';
    b.width = Math.max(body.scrollWidth, body.offsetWidth, root.clientWidth) + 'px';
    var bodyHeight = body.clientHeight || root.clientHeight;
    b.height = Math.max(bodyHeight, root.clientHeight, body.scrollHeight) + 'px';
    b.backgroundColor = '#ccc';
    // Radial fade from the centre outwards, as the old alpha filter drew it.
    b.backgroundImage = 'radial-gradient(ellipse at center, rgba(204,204,204,0.42) 0%, rgba(204,204,204,1) 100%)';
    b.opacity = '0.6';
    var zVeil = (z === undefined || z === null || z === '') ? 10000 : parseInt(z, 10);
    b.zIndex = zVeil;
    body.appendChild(bg);

    var box = Gel('div');
    box.id = 'msgDiv';
    var m = box.style;
    m.position = 'absolute';
    m.background = '#fff';
    m.left = '50%';
    m.marginLeft = (-w / 2) + 'px';
    m.top = hasTop ? tvPx(top) : '50%';
    var scroll = window.pageYOffset || root.scrollTop || body.scrollTop || 0;
    m.marginTop = (hasTop ? scroll : scroll - 200) + 'px';
    m.lineHeight = '25px';
    // The box must stay above its own veil even when a caller raises the veil's z-order.
    m.zIndex = Math.max(10001, zVeil + 1);
    m.font = '11px Verdana, Geneva, Arial, Helvetica, sans-serif';
    m.width = tvPx(w);
    m.height = tvPx(h);
    body.appendChild(box);

    var panel = LPanel('msgCont', -4, -4, w, h);
    box.appendChild(panel);
    El('msgCont').appendChild(tvContent(content));

    this.bgDiv = bg;
    this.msgDiv = box;
    this.msgCont = panel;
    this.title = title;
};

LMsg.prototype.Close = function () {
    if (this.bgDiv) DNode(this.bgDiv);
    if (this.msgCont) DNode(this.msgCont);
    if (this.msgDiv) DNode(this.msgDiv);
    this.bgDiv = this.msgDiv = this.msgCont = null;
};

/* ---------------------------------------------------------------- button, toolbar, separator */

// Runs the page function a link names; names may carry their own argument list.
function tvRunNamed(name) {
    if (/^[A-Za-z_$][\w$]*$/.test(name)) {
        if (typeof window[name] === 'function') return window[name]();
        return undefined;
    }
    return (new Function(name))();
}

function tvBindNamed(link, name) {
    link.href = 'javascript:void(0)';
    if (name) {
        link.setAttribute('data-run', name);
        link.addEventListener('click', function (e) {
            e.preventDefault();
            tvRunNamed(name);
        }, false);
    } else {
        link.addEventListener('click', function (e) { e.preventDefault(); }, false);
    }
}

function LButton(caption, fnName) {
    var a = Gel('a');
    a.className = 'g_a';
    tvBindNamed(a, fnName);
    var b = Gel('span');
    b.className = 'g_b';
    var c = Gel('span');
    c.className = 'g_c';
    c.appendChild(Gtext('\u00a0'));
    var d = Gel('span');
    d.className = 'g_d';
    d.appendChild(Gtext(caption));
    b.appendChild(c);
    b.appendChild(d);
    a.appendChild(b);
    return a;
}

function LTool() {
    this.tool = Gel('div');
    this.tool.className = 'LTool';
}

LTool.prototype.SetData = function (items) {
    for (var i = 0; i < items.length; i++) {
        var it = items[i];
        if (it[0] === '|') {
            var split = Gel('span');
            split.className = 'toolSplit';
            split.appendChild(Gtext('\u00a0'));
            this.tool.appendChild(split);
            continue;
        }
        var a = Gel('a');
        a.className = 'toola';
        tvBindNamed(a, it[1]);
        if (!it[1]) a.href = '#';
        if (it[3] !== undefined && it[3] !== null && it[3] !== '') a.id = it[3];
        var b = Gel('span');
        b.className = 'toolb';
        if (it[2]) {
            var icon = Gel('span');
            icon.className = 'toolImg';
            icon.style.backgroundImage = 'url("' + it[2] + '")';
            b.appendChild(icon);
        }
        var cap = Gel('span');
        cap.appendChild(Gtext(it[0]));
        b.appendChild(cap);
        a.appendChild(b);
        this.tool.appendChild(a);
    }
};

function LHr() {
    var d = Gel('div');
    d.className = 'LHr';
    return d;
}

/* ---------------------------------------------------------------- paged grid */

function LGird() {
    this.pageSize = 10;
    this.pageNo = 0;
    this.pageTol = 0;
    this.ColSet = [];
    this.DataSet = [];
    this.ColIds = [];
    this.ColTypes = [];
    this.lastSorted = -1;
    this.Gird = null;
    this.Table = null;
    this.Thead = null;
    this.Tbody = null;
    this.NavDiv = null;
}

// A page size below one would make the page count meaningless, so it counts as one.
LGird.prototype.effectivePageSize = function () {
    var n = parseInt(this.pageSize, 10);
    return n >= 1 ? n : 1;
};

LGird.prototype.countPages = function () {
    var size = this.effectivePageSize();
    var rows = this.DataSet.length;
    return Math.floor(rows / size) + (rows % size ? 1 : 0);
};

LGird.prototype.SetData = function (data) {
    this.ColSet = data.ColSet || [];
    this.DataSet = data.DataSet || [];
    this.ColIds = [];
    this.ColTypes = [];

    this.Gird = Gel('div');
    this.Gird.className = 'LGird';
    this.Table = Gel('table');
    this.Table.className = 'LGird_table';
    this.Thead = Gel('thead');
    this.Tbody = Gel('tbody');
    var head = Gel('tr');
    head.className = 'LGird_table_head';
    for (var i = 0; i < this.ColSet.length; i++) {
        var col = this.ColSet[i];
        var th = Gel('td');
        th.className = 'LGird_table_head_td';
        if (col.id !== undefined && col.id !== null) th.id = col.id;
        th.appendChild(Gtext(col.text));
        head.appendChild(th);
        this.ColIds.push(col.id);
        this.ColTypes.push(col.type);
    }
    this.Thead.appendChild(head);
    this.Table.appendChild(this.Thead);
    this.Table.appendChild(this.Tbody);

    this.NavDiv = Gel('div');
    this.NavDiv.id = 'NavDiv';
    this.NavDiv.className = 'LGird_navdiv';

    this.pageTol = this.countPages();
    this.Gird.appendChild(this.Table);
    this.Gird.appendChild(this.NavDiv);
    this.GreatNav();
};

LGird.prototype.cellContent = function (v) {
    if (v === undefined || v === null) return Gtext(' ');
    if (typeof v === 'object' && v.nodeType) return v;
    return Gtext(v);
};

LGird.prototype.missingCell = function () {
    return Gtext(' ');
};

LGird.prototype.GreatNav = function () {
    var self = this;
    ClearChildrenNode(this.Tbody);
    ClearChildrenNode(this.NavDiv);
    var size = this.effectivePageSize();
    var from = this.pageNo * size;
    var to = Math.min((this.pageNo + 1) * size, this.DataSet.length);
    for (var r = from; r < to; r++) {
        var row = this.DataSet[r];
        var tr = Gel('tr');
        tr.className = ((r - from) % 2 === 0) ? 'LtableBodyTr1' : 'LtableBodyTr2';
        for (var c = 0; c < this.ColSet.length; c++) {
            var td = Gel('td');
            td.appendChild(row && c < row.length ? this.cellContent(row[c]) : this.missingCell());
            tr.appendChild(td);
        }
        this.Tbody.appendChild(tr);
    }

    function place(e, left, top) {
        e.style.position = 'absolute';
        e.style.left = left + 'px';
        e.style.top = top + 'px';
        self.NavDiv.appendChild(e);
        return e;
    }
    function navImg(src, alt, id, left, action) {
        var im = place(GIm(src, alt, id), left, 5);
        im.title = alt;
        im.style.cursor = 'pointer';
        im.onclick = action;
        return im;
    }
    navImg(img_control_start_blue, '首页', 'pageStartImg', 3, function () { self.gotoPage(0); });
    navImg(img_control_play_left_blue, '前一页', 'pageLeftImg', 27, function () { self.changePage(-1); });
    var te1 = place(Gel('span'), 51, 1);
    te1.id = 'te1';
    te1.style.width = '100px';
    te1.appendChild(Gtext('共' + this.pageTol + '页 当前第'));
    var field = place(GTe(this.pageNo + 1, 'gotoTe'), 125, 3);
    field.style.width = '20px';
    var ye = place(Gel('span'), 153, 3);
    ye.style.width = '30px';
    ye.appendChild(Gtext('页'));
    navImg(img_control_repeat_blue, '跳转', 'pageGoImg', 164, function () { self.jump(field); });
    navImg(img_control_play_blue, '后一页', 'pageRightImg', 188, function () { self.changePage(1); });
    navImg(img_control_end_blue, '末页', 'pageEndImg', 212, function () { self.gotoPage(self.pageTol - 1); });
};

// Keeps the page number inside the pages that exist; an empty grid stays on its only page 0.
LGird.prototype.clampPage = function () {
    if (this.pageNo >= this.pageTol) this.pageNo = this.pageTol - 1;
    if (this.pageNo < 0 || isNaN(this.pageNo)) this.pageNo = 0;
};

LGird.prototype.gotoPage = function (n) {
    this.pageNo = parseInt(n, 10);
    this.clampPage();
    this.GreatNav();
};

LGird.prototype.changePage = function (d) {
    this.pageNo = this.pageNo + d;
    this.clampPage();
    this.GreatNav();
};

LGird.prototype.jump = function (field) {
    var v = parseInt(field.value, 10);
    if (!isNaN(v)) {
        if (v > this.pageTol) v = this.pageTol;
        if (v < 1) v = 1;
        field.value = v;
    }
    if (!forcheck(field.value)) {
        field.value = '';
        return;
    }
    this.gotoPage(parseInt(field.value, 10) - 1);
};

LGird.prototype.sortKey = function (td, type) {
    var first = td.firstChild;
    var raw;
    if (first && first.nodeType === 1 && /^(INPUT|SELECT|TEXTAREA)$/.test(first.tagName) && first.value !== '') raw = first.value;
    else raw = first ? first.textContent : '';
    if (type === 'int') return parseInt(raw, 10);
    if (type === 'float') return parseFloat(raw);
    if (type === 'date') return Date.parse(String(raw).replace(/-/g, '/'));
    if (type === 'elements') return raw;
    return String(raw);
};

LGird.prototype.sortBy = function (c) {
    var rows = [];
    for (var i = 0; i < this.Tbody.rows.length; i++) rows.push(this.Tbody.rows[i]);
    if (this.lastSorted === c) {
        rows.reverse();
    } else {
        var self = this;
        var type = this.ColTypes[c];
        rows.sort(function (a, b) {
            var x = self.sortKey(a.cells[c], type);
            var y = self.sortKey(b.cells[c], type);
            return x < y ? -1 : (x > y ? 1 : 0);
        });
    }
    this.lastSorted = c;
    for (var j = 0; j < rows.length; j++) this.Tbody.appendChild(rows[j]);
};

LGird.prototype.taxis = function (c) {
    var self = this;
    var th = this.Thead.rows[0].cells[c];
    th.style.cursor = 'pointer';
    th.onclick = function () { self.sortBy(c); };
};

LGird.prototype.taxisAll = function () {
    for (var c = 0; c < this.ColSet.length; c++) this.taxis(c);
};

/* ---------------------------------------------------------------- restyled radio buttons and check boxes */

var checkboxHeight = 25;
var radioHeight = 25;

var LForm = {
    spanFor: function (input) {
        var s = input.previousSibling;
        return (s && s.nodeType === 1 && s.tagName === 'SPAN' && (s.className.indexOf('checkbox') >= 0 || s.className.indexOf('radio') >= 0)) ? s : null;
    },
    init: function () {
        var inputs = document.getElementsByTagName('input');
        for (var i = 0; i < inputs.length; i++) {
            var input = inputs[i];
            if ((input.type !== 'checkbox' && input.type !== 'radio') || !/(^|\s)styled(\s|$)/.test(input.className)) continue;
            if (LForm.spanFor(input)) continue;
            var span = Gel('span');
            span.className = input.type;
            if (input.checked) span.style.backgroundPosition = '0 -' + (input.type === 'checkbox' ? checkboxHeight : radioHeight) * 2 + 'px';
            input.parentNode.insertBefore(span, input);
            input.onchange = LForm.clear;
            if (input.disabled) {
                span.className += ' disabled';
            } else {
                span.onmousedown = LForm.pushed;
                span.onmouseup = LForm.check;
            }
        }
        document.addEventListener('mouseup', LForm.clear, false);
    },
    pushed: function () {
        var input = this.nextSibling;
        var h = input.type === 'checkbox' ? checkboxHeight : radioHeight;
        this.style.backgroundPosition = '0 -' + (input.checked ? h * 3 : h) + 'px';
    },
    check: function () {
        var input = this.nextSibling;
        var h = input.type === 'checkbox' ? checkboxHeight : radioHeight;
        if (input.checked && input.type === 'checkbox') {
            this.style.backgroundPosition = '0 0';
            input.checked = false;
            return;
        }
        input.checked = true;
        this.style.backgroundPosition = '0 -' + h * 2 + 'px';
        if (input.type === 'radio') {
            var group = document.getElementsByName(input.name);
            for (var i = 0; i < group.length; i++) {
                if (group[i] === input || group[i].type !== 'radio') continue;
                var s = LForm.spanFor(group[i]);
                if (s) s.style.backgroundPosition = '0 0';
            }
        }
    },
    clear: function () {
        var inputs = document.getElementsByTagName('input');
        for (var i = 0; i < inputs.length; i++) {
            var input = inputs[i];
            if (input.type !== 'checkbox' && input.type !== 'radio') continue;
            var s = LForm.spanFor(input);
            if (!s) continue;
            var h = input.type === 'checkbox' ? checkboxHeight : radioHeight;
            s.style.backgroundPosition = input.checked ? '0 -' + h * 2 + 'px' : '0 0';
        }
    }
};

/* ---------------------------------------------------------------- restyled drop-down lists */

function tvShowIconZ(z) {
    var icon = El('ShowIcon');
    if (icon) icon.style.zIndex = z;
}

function tvCloseAllSelects(except) {
    var selects = document.getElementsByTagName('select');
    for (var i = 0; i < selects.length; i++) {
        var name = selects[i].name;
        if (name === except) continue;
        var box = El('select_info_' + name);
        var list = El('options_' + name);
        if (box) box.className = 'tag_select';
        if (list) list.style.display = 'none';
    }
}

function tvBoxHandlers(box, name) {
    box.onmouseover = function () {
        if (this.className !== 'tag_select_open') this.className = 'tag_select_hover';
    };
    box.onmouseout = function () {
        if (this.className !== 'tag_select_open') this.className = 'tag_select';
    };
    box.onclick = function (e) {
        var list = El('options_' + name);
        tvCloseAllSelects(name);
        if (this.className === 'tag_select_open') {
            this.className = 'tag_select_hover';
            list.style.display = 'none';
            tvShowIconZ(10);
        } else {
            this.className = 'tag_select_open';
            list.style.display = 'block';
            tvShowIconZ(-1);
        }
        if (e) e.stopPropagation();
    };
}

function tvNewBox(name, text) {
    var box = Gel('div');
    box.id = 'select_info_' + name;
    box.className = 'tag_select';
    box.style.cursor = 'pointer';
    box.appendChild(Gtext(text));
    tvBoxHandlers(box, name);
    return box;
}

var tvSelectBodyHooked = false;

function initSelect() {
    var selects = document.getElementsByTagName('select');
    for (var i = 0; i < selects.length; i++) {
        var sel = selects[i];
        var name = sel.name;
        if (El('select_' + name)) continue;
        sel.style.display = 'none';
        var holder = Gel('div');
        holder.id = 'select_' + name;
        holder.className = 'select_box';
        var selectedText = sel.selectedIndex >= 0 ? sel.options[sel.selectedIndex].text : '';
        holder.appendChild(tvNewBox(name, selectedText));

        var list = Gel('ul');
        list.id = 'options_' + name;
        list.className = 'tag_options';
        list.style.position = 'absolute';
        list.style.display = 'none';
        list.style.zIndex = 999;
        for (var n = 0; n < sel.options.length; n++) {
            var li = Gel('li');
            li.style.cursor = 'pointer';
            li.appendChild(Gtext(sel.options[n].text));
            if (n === sel.selectedIndex) {
                li.className = 'open_selected';
                li.id = 'selected_' + name;
            } else {
                li.className = 'open';
            }
            li.onmouseover = function () { this.className = 'open_hover'; };
            li.onmouseout = function (nm) {
                return function () { this.className = (this.id === 'selected_' + nm) ? 'open_selected' : 'open'; };
            }(name);
            li.onclick = function (si, k, nm) {
                return function (e) {
                    if (e) e.stopPropagation();
                    clickOptions(si, k, nm);
                };
            }(i, n, name);
            list.appendChild(li);
        }
        holder.appendChild(list);
        sel.parentNode.insertBefore(holder, sel);
    }
    if (!tvSelectBodyHooked && document.body) {
        tvSelectBodyHooked = true;
        document.body.addEventListener('click', function () {
            tvCloseAllSelects(null);
            tvShowIconZ(10);
        }, false);
    }
}

function clickOptions(i, n, name) {
    var list = El('options_' + name);
    var items = list.getElementsByTagName('li');
    var old = El('selected_' + name);
    if (old) {
        old.className = 'open';
        old.removeAttribute('id');
    }
    var item = items[n];
    item.id = 'selected_' + name;
    item.className = 'open_hover';
    var oldBox = El('select_info_' + name);
    var box = tvNewBox(name, item.textContent);
    oldBox.parentNode.replaceChild(box, oldBox);
    list.style.display = 'none';
    var sel = document.getElementsByTagName('select')[i];
    if (sel) {
        sel.selectedIndex = n;
        var ev = document.createEvent('HTMLEvents');
        ev.initEvent('change', true, false);
        sel.dispatchEvent(ev);
    }
}

/* ---------------------------------------------------------------- date picker */

var tvPicker = {
    layer: null,
    panel: null,
    slots: [],
    year: 0,
    month: 0,
    target: null,
    openingEvent: null,
    yearSpan: null,
    monthSpan: null,
    yearList: null,
    monthList: null
};

function tvAuthor(e) {
    e.setAttribute('Author', 'tavelo');
    return e;
}

function tvMonthLength(y, m) {
    if (m === 1) return ((y % 4 === 0 && y % 100 !== 0) || y % 400 === 0) ? 29 : 28;
    return [31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31][m];
}

function tvPickerImg(src, alt, action) {
    var im = tvAuthor(GIm(src, alt));
    im.title = alt;
    im.style.cursor = 'pointer';
    im.style.verticalAlign = 'middle';
    im.onclick = action;
    return im;
}

function tvBuildPicker() {
    if (tvPicker.layer) return tvPicker.layer;
    var layer = tvAuthor(Gel('div'));
    layer.id = 'setdayLayer';
    var s = layer.style;
    s.position = 'absolute';
    s.width = '142px';
    s.height = '166px';
    s.zIndex = 10002;
    s.display = 'none';
    s.background = '#fff';
    s.font = '12px Tahoma, Verdana, sans-serif';

    var head = tvAuthor(Gel('div'));
    head.style.height = '23px';
    head.style.lineHeight = '23px';
    head.style.background = '#d9e5f3';
    head.style.textAlign = 'center';
    head.style.whiteSpace = 'nowrap';
    head.appendChild(tvPickerImg(img_control_rewind_blue, '前一年', function () { tvPickerStepYear(-1); }));
    head.appendChild(tvPickerImg(img_control_play_left_blue, '前一月', function () { tvPickerStepMonth(-1); }));

    var heading = tvAuthor(Gel('span'));
    heading.style.margin = '0 3px';
    var ys = tvAuthor(Gel('span'));
    ys.title = '选择年份';
    ys.style.cursor = 'pointer';
    ys.onclick = tvPickerYearList;
    var ms = tvAuthor(Gel('span'));
    ms.title = '选择月份';
    ms.style.cursor = 'pointer';
    ms.onclick = tvPickerMonthList;
    heading.appendChild(ys);
    heading.appendChild(tvAuthor(Gel('span'))).appendChild(Gtext('年'));
    heading.appendChild(ms);
    heading.appendChild(tvAuthor(Gel('span'))).appendChild(Gtext('月'));
    tvPicker.yearSpan = ys;
    tvPicker.monthSpan = ms;
    head.appendChild(heading);

    head.appendChild(tvPickerImg(img_control_play_blue, '后一月', function () { tvPickerStepMonth(1); }));
    head.appendChild(tvPickerImg(img_control_fastforward_blue, '后一年', function () { tvPickerStepYear(1); }));
    layer.appendChild(head);
    layer.appendChild(tvAuthor(LHr()));

    var table = tvAuthor(Gel('table'));
    table.cellSpacing = 0;
    table.cellPadding = 0;
    table.style.borderCollapse = 'collapse';
    table.style.tableLayout = 'fixed';
    table.style.width = '140px';
    table.style.margin = '0 1px';
    var weekRow = table.insertRow(-1);
    var week = ['日', '一', '二', '三', '四', '五', '六'];
    for (var w = 0; w < 7; w++) {
        var wc = tvAuthor(weekRow.insertCell(-1));
        wc.appendChild(Gtext(week[w]));
        wc.style.cssText = 'font-size:12px;color:#000;background:#d9e5f3;text-align:center;height:18px;width:20px;padding:0';
    }
    tvPicker.slots = [];
    for (var r = 0; r < 6; r++) {
        var tr = table.insertRow(-1);
        var cols = r < 5 ? 7 : 2;
        for (var c = 0; c < cols; c++) {
            var slot = tvAuthor(tr.insertCell(-1));
            var k = tvPicker.slots.length;
            slot.style.cssText = 'width:20px;height:20px;font-size:12px;text-align:center;padding:0';
            slot.onclick = (function (idx) { return function () { tvPickerSlotClick(idx); }; })(k);
            slot.onmouseover = (function (idx) { return function () { tvPickerSlotHover(idx, true); }; })(k);
            slot.onmouseout = (function (idx) { return function () { tvPickerSlotHover(idx, false); }; })(k);
            tvPicker.slots.push(slot);
        }
        if (r === 5) {
            var tools = tvAuthor(tr.insertCell(-1));
            tools.colSpan = 5;
            tools.style.textAlign = 'right';
            tools.appendChild(tvPickerImg(img_control_repeat_blue, '跳转当前月份', function () {
                var now = new Date();
                tvPickerDraw(now.getFullYear(), now.getMonth() + 1);
            }));
            tools.appendChild(tvPickerImg(img_control_power_blue, '关闭', function () { closeLayer(); }));
        }
    }
    layer.appendChild(table);
    tvPicker.layer = layer;
    (document.body || document.documentElement).appendChild(layer);
    var now = new Date();
    tvPickerDraw(now.getFullYear(), now.getMonth() + 1);
    return layer;
}

// Draws year y, month m (1 to 12); y and m may arrive as the texts of the drop-downs.
function tvPickerDraw(y, m) {
    if (!/^\d+$/.test(String(y))) {
        alert('年份输入参数不是数字！');
        return false;
    }
    y = parseInt(y, 10);
    if (y < 1000 || y > 9999) {
        alert('年份值不在 1000 到 9999 之间！');
        return false;
    }
    if (!/^\d+$/.test(String(m))) {
        alert('月份输入参数不是数字！');
        return false;
    }
    m = parseInt(m, 10);
    if (m < 1 || m > 12) {
        alert('月份输入参数不是数字！');
        return false;
    }
    tvPicker.year = y;
    tvPicker.month = m;
    ClearChildrenNode(tvPicker.yearSpan);
    tvPicker.yearSpan.appendChild(Gtext(y));
    ClearChildrenNode(tvPicker.monthSpan);
    tvPicker.monthSpan.appendChild(Gtext(m));

    var first = new Date(2000, 0, 1);
    first.setFullYear(y, m - 1, 1);
    var start = first.getDay();
    var len = tvMonthLength(y, m - 1);
    var now = new Date();
    var isThisMonth = now.getFullYear() === y && now.getMonth() === m - 1;
    for (var i = 0; i < tvPicker.slots.length; i++) {
        var slot = tvPicker.slots[i];
        var day = i - start + 1;
        ClearChildrenNode(slot);
        slot.day = 0;
        slot.today = false;
        if (day >= 1 && day <= len) {
            slot.day = day;
            slot.today = isThisMonth && now.getDate() === day;
            slot.appendChild(Gtext(day));
            slot.style.cursor = 'pointer';
            slot.style.background = slot.today ? '#4172b4' : '#fff';
            slot.style.color = slot.today ? '#fff' : '#000';
        } else {
            slot.style.cursor = 'default';
            slot.style.background = 'none';
            slot.style.color = '#000';
        }
    }
    return true;
}

function tvPickerSlotHover(i, over) {
    var slot = tvPicker.slots[i];
    if (!slot.day || slot.today || i >= 35) return;
    slot.style.background = over ? '#93b9eb' : '#fff';
}

function tvPickerSlotClick(i) {
    var slot = tvPicker.slots[i];
    var target = tvPicker.target;
    if (!target) {
        closeLayer();
        alert('您所要输出的控件对象并不存在！');
        return;
    }
    if (!slot.day) {
        target.value = '';
        return;
    }
    target.value = tvPad4(tvPicker.year) + '-' + tvPad2(tvPicker.month) + '-' + tvPad2(slot.day);
    closeLayer();
}

function tvPickerStepYear(d) {
    var y = tvPicker.year + d;
    if (y < 1000 || y > 9999) {
        alert('年份超出范围（1000-9999）！');
        return;
    }
    tvPickerDraw(y, tvPicker.month);
}

function tvPickerStepMonth(d) {
    var y = tvPicker.year;
    var m = tvPicker.month + d;
    if (m < 1) { m = 12; y--; }
    if (m > 12) { m = 1; y++; }
    if (y < 1000 || y > 9999) {
        alert('年份超出范围（1000-9999）！');
        return;
    }
    tvPickerDraw(y, m);
}

function tvPickerYearStart(y) {
    var start = Math.max(1000, y - 10);
    if (start + 49 > 9999) start = 9974;
    return start;
}

function tvPickerDropDown(span, values, suffix, current, onChoose) {
    var sel = tvAuthor(Gel('select'));
    sel.className = 'tvPickerList';
    sel.style.fontSize = '12px';
    for (var i = 0; i < values.length; i++) {
        var o = Gel('option');
        o.value = values[i];
        o.text = values[i] + suffix;
        if (values[i] === current) o.selected = true;
        sel.appendChild(o);
    }
    span.style.display = 'none';
    span.parentNode.insertBefore(sel, span);
    var done = false;
    function hide() {
        if (done) return;
        done = true;
        if (sel.parentNode) sel.parentNode.removeChild(sel);
        span.style.display = '';
    }
    sel.onchange = function () {
        var v = sel.value;
        hide();
        onChoose(v);
    };
    sel.onblur = hide;
    sel.hideList = hide;
    try { sel.focus(); } catch (ignored) { /* a hidden layer cannot take focus */ }
    return sel;
}

function tvPickerYearList() {
    tvPickerHideLists();
    var start = tvPickerYearStart(tvPicker.year);
    var years = [];
    // Only years the picker can show are offered.
    for (var y = start; y < start + 50 && y <= 9999; y++) years.push(y);
    tvPicker.yearList = tvPickerDropDown(tvPicker.yearSpan, years, '年', tvPicker.year, function (v) {
        tvPicker.yearList = null;
        tvPickerDraw(v, tvPicker.month);
    });
}

function tvPickerMonthList() {
    tvPickerHideLists();
    var months = [];
    for (var m = 1; m <= 12; m++) months.push(m);
    tvPicker.monthList = tvPickerDropDown(tvPicker.monthSpan, months, '月', tvPicker.month, function (v) {
        tvPicker.monthList = null;
        tvPickerDraw(tvPicker.year, v);
    });
}

function tvPickerHideLists() {
    if (tvPicker.yearList) tvPicker.yearList.hideList();
    if (tvPicker.monthList) tvPicker.monthList.hideList();
    tvPicker.yearList = tvPicker.monthList = null;
}

function setday(field, target) {
    if (arguments.length === 0) {
        alert('对不起！您没有传回本控件任何参数！');
        return;
    }
    if (arguments.length > 2) {
        alert('对不起！传入本控件的参数太多！');
        return;
    }
    field = El(field);
    tvPicker.target = arguments.length === 2 ? El(target) : field;
    var layer = tvBuildPicker();
    if (!tvPicker.panel) {
        var pos = GetPos(field);
        var left = Math.max(0, pos.x - 69);
        var top = field.tagName === 'IMG' ? pos.y + field.clientHeight - 3 : pos.y + field.clientHeight + 3;
        var panel = LPanel('setdayPanel', left, top, 146, 182);
        panel.id = 'setdayPanelDiv';
        // Clicks anywhere on the panel count as clicks inside the picker.
        tvAuthor(panel);
        var parts = panel.getElementsByTagName('*');
        for (var i = 0; i < parts.length; i++) tvAuthor(parts[i]);
        document.body.appendChild(panel);
        El('setdayPanel').appendChild(layer);
        layer.style.left = '1px';
        layer.style.top = '1px';
        tvPicker.panel = panel;
    }
    tvPicker.panel.style.display = '';
    layer.style.display = 'block';
    var e = LEvent.getEvent();
    if (e) {
        tvPicker.openingEvent = e;
        if (e.preventDefault) e.preventDefault();
    }
}

function closeLayer() {
    tvPickerHideLists();
    if (tvPicker.layer) tvPicker.layer.style.display = 'none';
    if (tvPicker.panel) tvPicker.panel.style.display = 'none';
}

function tvPickerIsOpen() {
    return !!(tvPicker.layer && tvPicker.layer.style.display !== 'none');
}

function tvDocumentClick(e) {
    e = LEvent.getEvent(e);
    if (!e || e === tvPicker.openingEvent) return;
    var t = e.target;
    if (t && t.nodeType === 3) t = t.parentNode;
    if (!t || !t.tagName) return;
    if (t.tagName !== 'INPUT' && !(t.hasAttribute && t.hasAttribute('Author'))) closeLayer();
}

function tvDocumentKey(e) {
    e = LEvent.getEvent(e);
    if (e && (e.key === 'Escape' || e.keyCode === 27)) closeLayer();
}

/* ---------------------------------------------------------------- loading */

(function () {
    var css = 'input.styled{display:none}' +
        'select.styled{position:relative;width:190px;opacity:0;z-index:5}' +
        '.disabled{opacity:0.5}';
    var style = document.createElement('style');
    style.type = 'text/css';
    style.appendChild(document.createTextNode(css));
    (document.head || document.getElementsByTagName('head')[0] || document.documentElement).appendChild(style);

    document.onclick = tvDocumentClick;
    document.onkeydown = tvDocumentKey;

    if (document.body) tvBuildPicker();
    else document.addEventListener('DOMContentLoaded', tvBuildPicker, false);
})();
