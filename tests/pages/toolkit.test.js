// The page toolkit and its stylesheet, exercised through a real page in the real engine.
suite({ page: 'tavelo://app/TEST/toolkit', clock: '2012-03-01T10:00:00', size: [355, 490] });

// Records the page's alerts instead of showing modal dialogs.
function recordAlerts(win) {
    const seen = [];
    win.alert = (m) => { seen.push(String(m)); };
    return seen;
}

function stage(doc) {
    const s = doc.getElementById('stage');
    while (s.firstChild) s.removeChild(s.firstChild);
    return s;
}

function makeGrid(win, doc, rows, pageSize) {
    const g = new win.LGird();
    g.pageSize = pageSize;
    g.pageNo = 0;
    const data = [];
    for (let i = 0; i < rows; i++) data.push(['row ' + (i + 1), i + 1]);
    g.SetData({ ColSet: [{ id: 'cText', text: '内容', type: 'string', no: 0 }, { id: 'cNo', text: '号', type: 'int', no: 1 }], DataSet: data });
    const s = stage(doc);
    s.appendChild(g.Gird);
    // Room below the navigation bar, so that it can be brought to the middle of the view.
    const room = doc.createElement('div');
    room.style.height = '600px';
    s.appendChild(room);
    return g;
}

// Real clicks land where the element shows, so it is brought into view first.
async function press(click, element) {
    element.scrollIntoView({ block: 'center' });
    await click(element);
}

function gridState(g, doc) {
    return {
        count: doc.getElementById('te1').textContent,
        field: doc.getElementById('gotoTe').value,
        rows: Array.from(g.Tbody.rows, (r) => r.cells[0].textContent),
    };
}

function pickerLayer(doc) {
    return doc.getElementById('setdayLayer');
}

// The 37 day slots in order: five rows of seven, then the two slots of the last row.
function pickerSlots(doc) {
    const rows = pickerLayer(doc).querySelector('table').rows;
    const slots = [];
    for (let r = 1; r <= 6; r++) {
        const n = r < 6 ? 7 : 2;
        for (let c = 0; c < n; c++) slots.push(rows[r].cells[c]);
    }
    return slots;
}

function filledRange(doc) {
    const filled = pickerSlots(doc).map((s, i) => (s.textContent.trim() ? i : -1)).filter((i) => i >= 0);
    return [filled[0], filled[filled.length - 1], filled.length];
}

function pickerImg(doc, alt) {
    return pickerLayer(doc).querySelector('img[alt="' + alt + '"]');
}

function pickerOpen(doc) {
    const layer = pickerLayer(doc);
    return layer.style.display !== 'none' && doc.getElementById('setdayPanelDiv').style.display !== 'none';
}

async function openPicker(win, doc, click) {
    const field = doc.getElementById('dateField');
    field.value = '';
    field.onclick = function () { win.setday(this); };
    await press(click, field);
    return field;
}

test('forcheck accepts only texts of digits with a non-zero digit', async ({ win, eq }) => {
    const cases = [['007', true], ['12', true], ['0', false], ['000', false], ['', false], ['1.5', false], ['-3', false], ['2a', false], [' 1', false]];
    for (const [text, expected] of cases) eq(win.forcheck(text), expected, JSON.stringify(text));
});

test('date helpers follow the clock of the page', async ({ win, eq }) => {
    eq(win.GetDateStr(-1), '2012-02-29', 'the day before 1 March 2012 in a leap year');
    eq(win.GetDateStr(0), '2012-03-01');
    eq(win.GetDateStr(365), '2013-03-01');
    eq(win.NowDateToString(), '2012-03-01');
    eq(win.NowTimeToString(), '10:00:00');
    const d = win.stringToDate('2012-05-03 08:30');
    eq([d.getFullYear(), d.getMonth(), d.getDate(), d.getHours(), d.getMinutes()], [2012, 4, 3, 0, 0], 'time part ignored');
});

test('the grid pages through its rows and keeps the page in range', async ({ win, doc, eq, click }) => {
    const empty = makeGrid(win, doc, 0, 30);
    eq(empty.pageTol, 0);
    eq(gridState(empty, doc), { count: '共0页 当前第', field: '1', rows: [] }, 'empty grid');
    for (const id of ['pageStartImg', 'pageLeftImg', 'pageRightImg', 'pageEndImg', 'pageGoImg']) {
        await press(click, doc.getElementById(id));
        eq(gridState(empty, doc), { count: '共0页 当前第', field: '1', rows: [] }, 'empty grid after ' + id);
    }

    const g = makeGrid(win, doc, 61, 30);
    eq(g.pageTol, 3);
    eq(gridState(g, doc).rows.length, 30);
    eq(Array.from(g.Tbody.rows, (r) => r.className).slice(0, 3), ['LtableBodyTr1', 'LtableBodyTr2', 'LtableBodyTr1']);
    await press(click, doc.getElementById('pageEndImg'));
    eq(gridState(g, doc), { count: '共3页 当前第', field: '3', rows: ['row 61'] }, 'last page holds one row');
    await press(click, doc.getElementById('pageRightImg'));
    eq(gridState(g, doc).field, '3', 'next on the last page stays');
    await press(click, doc.getElementById('pageStartImg'));
    await press(click, doc.getElementById('pageLeftImg'));
    eq(gridState(g, doc).field, '1', 'previous on the first page stays');
    await press(click, doc.getElementById('pageRightImg'));
    eq(gridState(g, doc).rows[0], 'row 31');
});

test('the jump field clamps numbers and ignores other input', async ({ win, doc, eq, click }) => {
    const g = makeGrid(win, doc, 61, 30);
    const cases = [
        // typed, field afterwards, first row shown afterwards (starting from page 2)
        ['0', '1', 'row 1'],
        ['9', '3', 'row 61'],
        ['3', '3', 'row 61'],
        ['abc', '', 'row 31'],
        ['1.5', '1', 'row 1'],
        ['', '', 'row 31'],
    ];
    for (const [typed, field, first] of cases) {
        g.gotoPage(1);
        doc.getElementById('gotoTe').value = typed;
        await press(click, doc.getElementById('pageGoImg'));
        eq([doc.getElementById('gotoTe').value, g.Tbody.rows[0].cells[0].textContent], [field, first], 'typed ' + JSON.stringify(typed));
    }
});

test('user texts are shown as text, never read as markup', async ({ win, doc, eq, ok }) => {
    const hostile = '<img src=x onerror="window.__pwned=1">';
    const g = new win.LGird();
    g.pageSize = 5;
    g.SetData({ ColSet: [{ id: 'h', text: hostile, type: 'string', no: 0 }], DataSet: [[hostile]] });
    const s = stage(doc);
    s.appendChild(g.Gird);
    const tool = new win.LTool();
    tool.SetData([[hostile, '', win.img_sb, 'x1']]);
    s.appendChild(tool.tool);
    s.appendChild(win.LButton(hostile));
    s.appendChild(win.GetFormEl({ type: 'a', text: hostile }));
    s.appendChild(win.GRadio('hostileRadio', hostile, 'v'));
    const box = new win.LMsg();
    box.SetData(hostile, 200, 100);
    eq(g.Tbody.rows[0].cells[0].textContent, hostile);
    eq(g.Thead.rows[0].cells[0].textContent, hostile);
    eq(doc.getElementById('msgCont').textContent, hostile);
    eq(s.querySelectorAll('img').length, 5, 'only the grid navigation images');
    eq(doc.getElementById('msgCont').querySelectorAll('img').length, 0);
    ok(s.textContent.split(hostile).length - 1 >= 5, 'each builder shows the characters');
    box.Close();
    ok(!win.__pwned, 'no handler of the text ran');
});

test('the date picker fills its 37 slots by the weekday of the first', async ({ win, doc, eq, ok, click }) => {
    await openPicker(win, doc, click);
    ok(pickerOpen(doc), 'open after a click on the field');
    eq(doc.querySelector('#setdayLayer span[title="选择年份"]').textContent, '2012', 'current year at load');
    eq(filledRange(doc), [4, 34, 31], 'March 2012 starts on Thursday');
    const months = [
        // next-month presses from March, expected first slot, last slot, days
        [3, [5, 34, 30]],  // June 2012: the 1st a Friday, 30 days
        [6, [6, 35, 30]],  // September 2012: the 1st a Saturday, 30 days
        [9, [6, 36, 31]],  // December 2012: the 1st a Saturday, 31 days
    ];
    let pressed = 0;
    for (const [presses, range] of months) {
        while (pressed < presses) { await press(click, pickerImg(doc, '后一月')); pressed++; }
        eq(filledRange(doc), range, 'after ' + presses + ' months');
    }
    await press(click, pickerImg(doc, '后一月'));
    eq([doc.querySelector('#setdayLayer span[title="选择年份"]').textContent, doc.querySelector('#setdayLayer span[title="选择月份"]').textContent], ['2013', '1'], 'December steps on to January');
    await press(click, pickerImg(doc, '跳转当前月份'));
    eq(filledRange(doc), [4, 34, 31], 'back to March 2012');
    const slots = pickerSlots(doc);
    eq(slots[4].style.backgroundColor, 'rgb(65, 114, 180)', 'today marked');
    eq(slots[0].style.cursor, 'default', 'empty slot has the default cursor');
    ok(slots.every((s) => s.hasAttribute('Author')), 'slots carry Author');
    win.closeLayer();
});

test('choosing days writes the date or clears the field', async ({ win, doc, eq, ok, click }) => {
    const field = await openPicker(win, doc, click);
    await press(click, pickerImg(doc, '跳转当前月份'));
    const panel = doc.getElementById('setdayPanelDiv');
    const face = panel.children[1];
    const pos = win.GetPos(field);
    eq([parseInt(face.style.left, 10) - 4, parseInt(face.style.top, 10) - 4], [pos.x - 69, pos.y + field.clientHeight + 3], 'panel under the field');
    const slots = pickerSlots(doc);
    field.value = 'old';
    await press(click, slots[0]);
    eq(field.value, '', 'empty slot clears the field');
    ok(pickerOpen(doc), 'and leaves the picker open');
    await press(click, slots.find((s) => s.textContent === '5'));
    eq(field.value, '2012-03-05');
    ok(!pickerOpen(doc), 'a chosen day closes the picker');
});

test('the picker closes on Escape and on a click outside, not on a click inside', async ({ win, doc, ok, click, key }) => {
    await openPicker(win, doc, click);
    await press(click, doc.querySelector('#setdayLayer span[title="选择月份"]').parentNode);
    ok(pickerOpen(doc), 'a click on the heading keeps it open');
    win.closeLayer();
    await openPicker(win, doc, click);
    await key('Escape');
    ok(!pickerOpen(doc), 'Escape closes it');
    await openPicker(win, doc, click);
    await press(click, doc.getElementById('outside'));
    ok(!pickerOpen(doc), 'an outside click closes it');
    await openPicker(win, doc, click);
    await press(click, doc.getElementById('otherField'));
    ok(pickerOpen(doc), 'a click on an input leaves it open');
    win.closeLayer();
});

test('the picker year list starts ten years back, within 1000 to 9999', async ({ win, doc, eq, click }) => {
    await openPicker(win, doc, click);
    const cases = [[2012, '2002年', 50], [1005, '1000年', 50], [9990, '9974年', 26]];
    for (const [year, first, count] of cases) {
        win.tvPickerDraw(year, 3);
        await press(click, doc.querySelector('#setdayLayer span[title="选择年份"]'));
        const list = pickerLayer(doc).querySelector('select');
        eq([list.options[0].text, list.options.length, list.options[list.selectedIndex].text], [first, count, year + '年'], 'year ' + year);
        list.selectedIndex = 1;
        list.dispatchEvent(new win.Event('change'));
        eq(pickerLayer(doc).querySelectorAll('select').length, 0, 'choosing hides the list');
        eq(doc.querySelector('#setdayLayer span[title="选择年份"]').textContent, first.replace('年', '').replace(/\d+/, (y) => String(+y + 1)), 'redrawn in the chosen year');
    }
    await press(click, doc.querySelector('#setdayLayer span[title="选择月份"]'));
    const months = pickerLayer(doc).querySelector('select');
    eq([months.options.length, months.options[0].text, months.options[11].text], [12, '1月', '12月']);
    months.selectedIndex = 5;
    months.dispatchEvent(new win.Event('change'));
    eq(doc.querySelector('#setdayLayer span[title="选择月份"]').textContent, '6');
    win.closeLayer();
});

test('the picker alerts on bad arguments and on years out of range', async ({ win, doc, eq, click }) => {
    const alerts = recordAlerts(win);
    const field = doc.getElementById('dateField');
    win.setday();
    win.setday(field, field, field);
    eq(alerts.splice(0), ['对不起！您没有传回本控件任何参数！', '对不起！传入本控件的参数太多！']);
    await openPicker(win, doc, click);
    const cases = [[9999, '后一年'], [1000, '前一年']];
    for (const [year, alt] of cases) {
        win.tvPickerDraw(year, 6);
        await press(click, pickerImg(doc, alt));
        eq([alerts.splice(0), doc.querySelector('#setdayLayer span[title="选择年份"]').textContent], [['年份超出范围（1000-9999）！'], String(year)], alt + ' from ' + year);
    }
    win.tvPickerDraw('20x2', 3);
    win.tvPickerDraw(10000, 3);
    win.tvPickerDraw(2012, 'x');
    eq(alerts.splice(0), ['年份输入参数不是数字！', '年份值不在 1000 到 9999 之间！', '月份输入参数不是数字！']);
    win.closeLayer();
});

test('restyled lists open, select and fire the change handler', async ({ win, doc, eq, click }) => {
    const changes = [];
    doc.getElementById('SM').onchange = function () { changes.push(this.selectedIndex); };
    win.initSelect();
    const box = () => doc.getElementById('select_info_SM');
    const list = doc.getElementById('options_SM');
    eq([box().className, box().textContent, list.style.display, doc.getElementById('selected_SM').textContent], ['tag_select', '3月', 'none', '3月']);
    eq(doc.getElementById('SY').style.display, 'none', 'the real select is hidden');
    await press(click, box());
    eq([box().className, list.style.display, doc.getElementById('ShowIcon').style.zIndex], ['tag_select_open', 'block', '-1'], 'open');
    await press(click, doc.getElementById('select_info_SY'));
    eq([box().className, list.style.display], ['tag_select', 'none'], 'opening another list closes this one');
    await press(click, doc.getElementById('outside'));
    eq([doc.getElementById('select_info_SY').className, doc.getElementById('ShowIcon').style.zIndex], ['tag_select', '10'], 'a body click closes every list');
    await press(click, box());
    await press(click, list.getElementsByTagName('li')[0]);
    eq([box().textContent, box().className, list.style.display, doc.getElementById('SM').selectedIndex, changes], ['1月', 'tag_select', 'none', 0, [0]]);
    eq(Array.from(list.getElementsByTagName('li'), (li) => li.className), ['open_hover', 'open', 'open', 'open']);
    win.clickOptions(1, 3, 'SM');
    eq([box().textContent, doc.getElementById('selected_SM').textContent, doc.getElementById('SM').value, changes], ['4月', '4月', '4月', [0, 3]], 'called by page script');
    await press(click, box());
    eq(box().className, 'tag_select_open', 'the replaced box still opens');
    await press(click, box());
    eq([box().className, list.style.display], ['tag_select_hover', 'none'], 'and closes again');
});

test('restyled radios and check boxes follow presses and the group', async ({ win, doc, eq }) => {
    const s = stage(doc);
    s.appendChild(win.GRadio('rdA', '收入', 'sr'));
    s.appendChild(win.GRadio('rdB', '支出', 'zc'));
    const [a, b] = [doc.getElementById('rdA'), doc.getElementById('rdB')];
    b.name = 'rd';
    a.name = 'rd';
    a.checked = true;
    const box = doc.createElement('input');
    box.type = 'checkbox';
    box.className = 'styled';
    s.appendChild(box);
    const off = doc.createElement('input');
    off.type = 'checkbox';
    off.className = 'styled';
    off.disabled = true;
    s.appendChild(off);
    win.LForm.init();
    const span = (i) => i.previousSibling;
    const pos = () => [a, b, box].map((i) => span(i).style.backgroundPosition || '0 0');
    const mouse = (target, type) => target.dispatchEvent(new win.MouseEvent(type, { bubbles: true }));
    eq(Array.from([a, b, box, off], (i) => span(i).className), ['radio', 'radio', 'checkbox', 'checkbox disabled']);
    eq(pos(), ['0px -50px', '0 0', '0 0'], 'selected radio at -50px');
    const steps = [
        // element, event, positions of a, b and the check box afterwards, checked states
        [() => span(b), 'mousedown', ['0px -50px', '0px -25px', '0 0'], [true, false, false]],
        [() => span(b), 'mouseup', ['0px 0px', '0px -50px', '0px 0px'], [false, true, false]],
        [() => span(box), 'mousedown', ['0px 0px', '0px -50px', '0px -25px'], [false, true, false]],
        [() => span(box), 'mouseup', ['0px 0px', '0px -50px', '0px -50px'], [false, true, true]],
        [() => span(box), 'mousedown', ['0px 0px', '0px -50px', '0px -75px'], [false, true, true]],
        [() => span(box), 'mouseup', ['0px 0px', '0px -50px', '0px 0px'], [false, true, false]],
    ];
    for (const [target, type, positions, checked] of steps) {
        mouse(target(), type);
        eq([pos(), [a.checked, b.checked, box.checked]], [positions, checked], type);
    }
    mouse(span(off), 'mouseup');
    eq(off.checked, false, 'a disabled box does not react');
    eq(win.getComputedStyle(a).display, 'none', 'the real input is hidden');
});

test('the modal box is centred, placed by top or by the middle less 200, and closes whole', async ({ win, doc, eq, ok }) => {
    const tall = doc.createElement('div');
    tall.style.height = '2000px';
    stage(doc).appendChild(tall);
    win.scrollTo(0, 120);
    const cases = [
        // top, expected box top: top + scroll, or the middle of the view + scroll - 200
        [30, 30 + 120],
        [undefined, Math.round(doc.documentElement.clientHeight / 2) + 120 - 200],
    ];
    for (const [top, expected] of cases) {
        const m = new win.LMsg();
        const content = doc.createElement('div');
        content.textContent = 'x';
        m.SetData(content, 280, 100, 'title', undefined, top);
        const box = doc.getElementById('msgDiv');
        const veil = doc.getElementById('bgDiv');
        ok(Math.abs(box.getBoundingClientRect().top + win.scrollY - expected) <= 1, 'top ' + top + ': ' + box.getBoundingClientRect().top);
        eq(Math.round(box.getBoundingClientRect().left + 140), Math.round(doc.documentElement.clientWidth / 2), 'centred');
        eq([veil.style.zIndex, box.style.zIndex, veil.style.left, veil.style.top], ['10000', '10001', '0px', '0px']);
        ok(veil.offsetHeight >= doc.documentElement.clientHeight, 'veil covers the view');
        eq(doc.getElementById('msgCont').firstChild, content);
        m.Close();
        eq([doc.getElementById('msgDiv'), doc.getElementById('bgDiv'), doc.getElementById('msgCont')], [null, null, null], 'closed');
    }
    win.scrollTo(0, 0);
    stage(doc);
});

test('the framed panel puts its face 4 pixels right and down of the shadow', async ({ win, doc, eq }) => {
    const p = win.LPanel('pInner', 10, 20, 146, 182);
    stage(doc).appendChild(p);
    const [shadow, face] = p.children;
    const inner = doc.getElementById('pInner');
    const st = (e) => [e.style.left, e.style.top, e.style.width, e.style.height, e.style.zIndex];
    eq(st(shadow), ['10px', '20px', '146px', '182px', '20001']);
    eq(st(face), ['14px', '24px', '144px', '180px', '20001']);
    eq([inner.parentNode, inner.style.width, inner.style.height], [face, '142px', '178px']);
    eq(win.getComputedStyle(face).backgroundColor, 'rgb(217, 229, 243)');
    eq(win.getComputedStyle(shadow).opacity, '0.3');
});

test('buttons and toolbars run the named page function', async ({ win, doc, eq, click }) => {
    const calls = [];
    win.pageFunction = () => calls.push('button');
    win.toolFunction = () => calls.push('tool');
    const s = stage(doc);
    const button = win.LButton('添加', 'pageFunction');
    s.appendChild(button);
    const t = new win.LTool();
    t.SetData([['日历', '', win.img_image, 'rl'], ['|'], ['记事', 'toolFunction', win.img_sb], ['分类', '', '', 0]]);
    s.appendChild(t.tool);
    eq([button.className, button.firstChild.className, button.textContent], ['g_a', 'g_b', '\u00a0添加']);
    eq(Array.from(t.tool.children, (c) => [c.className, c.id, c.textContent]),
        [['toola', 'rl', '日历'], ['toolSplit', '', '\u00a0'], ['toola', '', '记事'], ['toola', '0', '分类']]);
    eq(t.tool.querySelectorAll('.toolImg').length, 2, 'icons only where given');
    await press(click, button);
    await press(click, t.tool.children[2]);
    const before = win.location.href;
    await press(click, t.tool.children[0]);
    eq([calls, win.location.href], [['button', 'tool'], before], 'an item without a function goes nowhere');
});

test('every image name loads at its stated size', async ({ win, eq }) => {
    const sizes = {
        img_control_start_blue: [16, 16], img_control_play_left_blue: [16, 16], img_control_play_blue: [16, 16],
        img_control_end_blue: [16, 16], img_control_repeat_blue: [16, 16], img_control_rewind_blue: [16, 16],
        img_control_fastforward_blue: [16, 16], img_control_power_blue: [16, 16], img_sb: [14, 14], img_calculator: [12, 14],
        img_calendar_view_day: [14, 14], img_image: [14, 14], img_money_yen: [16, 16], img_ri: [22, 22], img_shi: [22, 22],
        img_fen: [22, 22], img_yuan: [22, 22], img_toolbarAdd: [16, 11], img_icon0: [32, 32], img_checkbox: [19, 100],
        img_radio: [19, 100], img_pagebg: [5, 27], img_toolbt: [169, 23], img_toolbt2: [5, 23], img_tableTopBg: [3, 23],
        img_grid_blue_split: [2, 13], img_grid_blue_split_h: [13, 4], img_select60: [300, 120], img_select80: [300, 120],
        img_select: [300, 120], img_dzxc1: [143, 38], img_dzxc2: [143, 38],
        img_open: null, img_close: null, img_popTitle: null, img_calculator_add: null, img_clock_add: null,
        img_comment_add: null, img_images: null, img_left1: null, img_left2: null, img_left3: null, img_right1: null,
        img_right2: null, img_right3: null, img_menublksz1: null, img_menublksz2: null, img_menublksz3: null,
        img_menurjbqh1: null, img_menurjbqh2: null, img_menurjbqh3: null, img_menushzl1: null, img_menushzl2: null,
        img_menushzl3: null, img_menutpx1: null, img_menutpx2: null, img_menutpx3: null, img_sbTop: null,
    };
    const extra = { 'tavelo://app/PNG/207': [190, 49], 'tavelo://app/PNG/208': [190, 49], 'tavelo://app/PNG/164': [5, 23] };
    const load = (src) => new Promise((resolve) => {
        const im = new win.Image();
        im.onload = () => resolve([im.naturalWidth, im.naturalHeight]);
        im.onerror = () => resolve('missing');
        im.src = src;
    });
    for (const [name, size] of Object.entries(sizes)) {
        const got = await load(win[name]);
        if (size) eq(got, size, name);
        else eq(Array.isArray(got), true, name + ' loads');
    }
    for (const [src, size] of Object.entries(extra)) eq(await load(src), size, src);
});

test('the old transparency script loads as a harmless no-op', async ({ win, doc, eq }) => {
    const script = doc.createElement('script');
    const loaded = new Promise((resolve) => { script.onload = () => resolve('loaded'); script.onerror = () => resolve('failed'); });
    script.src = 'tavelo://app/JS/201';
    doc.head.appendChild(script);
    eq(await loaded, 'loaded');
    const im = doc.createElement('img');
    eq(win.fixPng(im), im);
});
