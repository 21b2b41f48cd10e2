// The calendar page in the real engine with the real routing and database: month drawing, the
// per-day marks, navigation with both restyled lists, the day and month queries, the toolbar,
// resizing and how it looks.
const entry = (time, type, cont, remark) =>
    `insert into shzl(time,type,cont,remark) values('${time}','${type}',${cont},${remark})`;
const q = (text) => `'${text}'`;

const PAGE = 'tavelo://app/HTML/187';

suite({
    page: PAGE,
    clock: '2012-05-15T10:00:00',
    size: [355, 490],
    sql: [
        // 3 May: two notes; 2 May and 4 May bound the day query from both sides.
        entry('2012-05-03 00:00', 'sb', 0, q('first')),
        entry('2012-05-03 23:59', 'sb', 0, q('last')),
        entry('2012-05-02 23:59', 'jz', 12, q('')),
        // 4 May: one note, two ledger entries summing to -200, one reminder.
        entry('2012-05-04 09:30', 'sb', 0, q('明天加班')),
        entry('2012-05-04 09:30', 'jz', 300, q('')),
        entry('2012-05-04 10:30', 'jz', -500, q('')),
        entry('2012-05-04 10:30', 'tx', 0, q('提醒我吃药')),
        entry('2012-05-10 08:00', 'tx', 0, q('a')),
        entry('2012-05-10 09:00', 'tx', 0, q('b')),
        entry('2012-05-18 08:00', 'sb', 0, q('饭')),
        entry('2012-05-21 08:00', 'jz', 0.1, q('')),
        entry('2012-05-21 08:00', 'jz', 0.2, q('')),
        entry('2012-05-31 10:30', 'jz', 100, q('')),
        entry('2012-05-31 11:30', 'jz', -100, q('')),
        // Texts with quotes, a backslash, a line break and markup.
        entry('2012-05-25 08:00', 'sb', 0, `'It''s "q" \\ <b>b</b>'||char(10)||'end'`),
        entry('2012-05-26 08:00', 'sb', 0, `'''\\'`),
        entry('2012-05-26 09:00', 'tx', 0, q('<img src=x onerror=alert(1)>')),
        // Malformed times: skipped by the marks.
        entry('2012-05-1', 'sb', 0, q('short')),
        entry('2012-05-1x 08:00', 'sb', 0, q('letters')),
        entry('abcdefghijklmnop', 'sb', 0, q('letters only')),
        entry('2012-05-11', 'sb', 0, q('no time')),
        entry('2012-05-12 8:30', 'sb', 0, q('hour without its zero')),
        entry('', 'jz', 5, q('empty')),
        // A six-row month with all three kinds on one day, and a December with its neighbours.
        entry('2012-09-10 08:00', 'sb', 0, q('九月')),
        entry('2012-09-10 09:00', 'jz', -7, q('')),
        entry('2012-09-10 10:00', 'tx', 0, q('提醒')),
        entry('2012-11-30 23:59', 'sb', 0, q('nov')),
        entry('2012-12-01 00:00', 'sb', 0, q('dec first')),
        entry('2012-12-31 23:59', 'sb', 0, q('dec last')),
        entry('2013-01-01 00:00', 'sb', 0, q('jan')),
    ],
});

const RED = 'rgb(255, 0, 0)';
const GREEN = 'rgb(0, 128, 0)';
const FESTIVAL = 'rgb(241, 87, 98)';
const NORMAL = 'rgb(51, 51, 51)';

const colour = (win, e) => win.getComputedStyle(e).color;
const background = (win, e) => win.getComputedStyle(e).backgroundColor;
const cellOf = (win, day) => win.cld.firstWeek + day - 1;
const box = (win, e) => e.getBoundingClientRect();

// Chooses a month through the restyled lists, as a click on their items does.
function show(win, y, m) {
    win.clickOptions(0, y - 2010, 'SY');
    win.clickOptions(1, m, 'SM');
}

function shown(win, doc) {
    return {
        year: win.rlYear(), month: win.rlMonth(),
        boxes: [doc.getElementById('select_info_SY').textContent,
                doc.getElementById('select_info_SM').textContent],
        first: doc.getElementById('SD' + win.cld.firstWeek).textContent,
    };
}

// The mark of a day as [[kind, text, colour of the text]...].
function marksOf(win, doc, day) {
    const mark = doc.getElementById('MK' + cellOf(win, day));
    if (!mark) return null;
    return Array.from(mark.children).map((block) => {
        const img = block.querySelector('img').getAttribute('src');
        const kind = img === win.img_sb ? 'sb' : img === win.img_calculator ? 'jz' :
            img === win.img_calendar_view_day ? 'tx' : img;
        const text = block.querySelector('span');
        return kind === 'jz' ? [kind, text.textContent, colour(win, text)] : [kind, text.textContent];
    });
}

// What the entries page will be filled with: the remembered day and the rows of the remembered
// condition, asked for the way the entries page asks.
function remembered(win, calls, clearCalls) {
    clearCalls();
    win.external.ServerFun('shzl', 'InitData', '', '', '', '');
    const got = calls();
    const day = got.find((c) => c[0] === 'InitData0');
    const rows = got.find((c) => c[0] === 'InitData');
    return {
        day: day ? day[1] : null,
        times: rows && rows[1] ? new Function('return ' + rows[1])().map((r) => r[3]) : [],
    };
}

test('the marks show note counts, cut first texts, ledger sums in their colours and reminders',
     async ({ win, doc, eq }) => {
    const cases = [
        [3, [['sb', ' 2条']]],
        [4, [['sb', ' 明天..'], ['jz', ' 200', GREEN], ['tx', ' 提醒..']]],
        [10, [['tx', ' 2']]],
        [18, [['sb', ' 饭']]],
        [21, [['jz', ' 0.3', RED]]],
        [31, [['jz', ' 0', RED]]],
        [2, [['jz', ' 12', RED]]],
        [15, null],
    ];
    for (const [day, expected] of cases) eq(marksOf(win, doc, day), expected, 'May ' + day);
});

test('entries with malformed times are skipped and every other day is still marked',
     async ({ win, doc, eq }) => {
    const marked = Array.from(doc.getElementById('ShowIcon').children)
        .map((m) => Number(m.id.slice(2)) - win.cld.firstWeek + 1);
    eq(marked, [2, 3, 4, 10, 18, 21, 25, 26, 31]);
});

test('texts with quotes, backslashes, line breaks and markup arrive and show exactly as typed',
     async ({ win, doc, eq }) => {
    const texts = win.DataSet1.map((r) => r[2]);
    eq(texts.includes('It\'s "q" \\ <b>b</b>\nend'), true, 'the long text arrives unchanged');
    eq(marksOf(win, doc, 25), [['sb', ' It..']]);
    eq(marksOf(win, doc, 26), [['sb', " '\\"], ['tx', ' <i..']]);
    const layer = doc.getElementById('ShowIcon');
    eq(layer.querySelectorAll('b').length, 0, 'no markup from a text');
    eq(Array.from(layer.querySelectorAll('img')).every((i) => i.getAttribute('src').startsWith('tavelo://app/PNG/')),
       true, 'only the mark icons are pictures');
});

test('May 2012 is drawn with today, festivals, solar terms and lunar days in their colours',
     async ({ win, doc, eq }) => {
    const cell = (day) => doc.getElementById('GD' + cellOf(win, day));
    eq(background(win, cell(15)), 'rgb(225, 234, 245)', 'today');
    eq(background(win, cell(14)), 'rgb(255, 255, 255)', 'another day');
    eq(background(win, doc.getElementById('GD0')), 'rgb(246, 246, 246)', 'before the 1st');
    eq(doc.getElementById('GD0').textContent, '', 'outside the month nothing is written');
    eq(doc.getElementById('TD5'), null, 'May 2012 needs five rows');
    const lunar = [
        [2012, 4, 1, '劳动节', FESTIVAL],
        [2012, 4, 13, '母亲节', FESTIVAL],
        [2012, 4, 5, '立夏', NORMAL],
        [2012, 4, 21, '闰四月', NORMAL],
        [2012, 4, 15, '廿五', NORMAL],
        [2012, 9, 1, '国庆节', FESTIVAL],
        [2020, 9, 1, '中秋节', FESTIVAL],
        [2012, 1, 4, '立春', NORMAL],
        [2012, 0, 22, '除夕', FESTIVAL],
        [2012, 0, 23, '春节', FESTIVAL],
    ];
    for (const [y, m, d, text, tint] of lunar) {
        show(win, y, m);
        const ld = doc.getElementById('LD' + cellOf(win, d));
        eq([ld.textContent, colour(win, ld)], [text, tint], `${y}-${m + 1}-${d}`);
    }
    show(win, 2012, 5);
    eq(Array.from(doc.querySelectorAll('td.rlDay')).some((c) => background(win, c) === 'rgb(225, 234, 245)'),
       false, 'no today in June');
    // A lunar festival text longer than six characters is cut to four and an ellipsis.
    win.lFtv.push('0425 很长的一个节日');
    try {
        show(win, 2012, 4);
        eq(doc.getElementById('LD' + cellOf(win, 15)).textContent, '很长的一\u2026');
    } finally {
        win.lFtv.pop();
    }
    show(win, 2012, 4);
});

test('a six-row month, a five-row one and the six-row one again keep working day clicks',
     async ({ win, doc, eq, ok, click, load, goto, calls, clearCalls }) => {
    await goto(PAGE);
    const rowHeights = () => Array.from(doc.querySelectorAll('#contBody tr')).map((r) => r.offsetHeight);
    const forward = async (n) => { for (let i = 0; i < n; i++) await click(doc.getElementById('rl_monthForward')); };
    await forward(4);
    eq(shown(win, doc), { year: 2012, month: 8, boxes: ['2012年', '9月'], first: '1' });
    eq(doc.getElementById('SD35').textContent, '30', 'the 30th opens the sixth row');
    eq(rowHeights().length, 6);
    await forward(1);
    eq(shown(win, doc).boxes, ['2012年', '10月']);
    eq(doc.getElementById('TD5'), null, 'October 2012 drops the sixth row');
    eq(rowHeights().length, 5);
    ok(rowHeights().every((h) => Math.abs(h - Math.floor((490 - 89) / 5)) <= 1), 'five rows share the height');
    await click(doc.getElementById('rl_monthBack'));
    eq(rowHeights().length, 6, 'September brings the sixth row back');
    ok(rowHeights().every((h) => Math.abs(h - Math.floor((490 - 89) / 6)) <= 1), 'six rows share the height');
    const table = doc.getElementById('contTable').getBoundingClientRect();
    ok(table.bottom <= win.innerHeight + 1, 'the grid fits the window: ' + table.bottom);
    await click(doc.getElementById('SD35'));
    await load();
    eq(win.location.href, 'tavelo://app/HTML/176');
    eq(remembered(win, calls, clearCalls).day, '2012|8|30');
    await goto(PAGE);
});

test('all three marks of a day fit inside its cell under its texts, also with six rows',
     async ({ win, doc, ok, goto }) => {
    await goto(PAGE);
    const check = (label) => {
        for (const mark of doc.getElementById('ShowIcon').children) {
            const n = Number(mark.id.slice(2));
            const cell = box(win, doc.getElementById('GD' + n));
            const texts = Math.max(box(win, doc.getElementById('SD' + n)).bottom,
                                   box(win, doc.getElementById('LD' + n)).bottom);
            const m = box(win, mark);
            ok(m.left >= cell.left && m.right <= cell.right + 0.5, `${label} cell ${n}: inside horizontally`);
            ok(m.top >= texts, `${label} cell ${n}: under the texts`);
            ok(m.bottom <= cell.bottom + 0.5, `${label} cell ${n}: above the next row (${m.bottom} > ${cell.bottom})`);
        }
    };
    check('May');
    show(win, 2012, 8);
    ok(doc.getElementById('MK' + cellOf(win, 10)).children.length === 3, 'three kinds on 10 September');
    check('September');
    show(win, 2012, 4);
});

test('clicking 3 May 2012, on its day or on its mark, sends the day and the day condition',
     async ({ win, doc, eq, click, load, goto, calls, clearCalls }) => {
    await goto(PAGE);
    eq(win.rlDayCondition(2012, 4, 3),
       " time>='2012-05-03 ' and time<='2012-05-03 23:59:59' ORDER BY time DESC");
    for (const target of ['SD', 'MK']) {
        await click(doc.getElementById(target + cellOf(win, 3)));
        await load();
        eq(remembered(win, calls, clearCalls),
           { day: '2012|4|3', times: ['2012-05-03 23:59', '2012-05-03 00:00'] }, target);
        await goto(PAGE);
    }
});

test('the December query bounds the month by 2012-13-01 and lists every December entry',
     async ({ win, doc, eq, click, load, goto, calls, clearCalls }) => {
    await goto(PAGE);
    show(win, 2012, 11);
    eq(win.rlMonthCondition(2012, 11),
       " time>='2012-12-01' and time<'2012-13-01' ORDER BY time DESC");
    win.external.ServerFun('shzl', 'SetData', 'stale', '', '', '');
    win.external.ServerFun('shzl', 'getData', '', '', '', '');
    await click(doc.getElementById('rlMonthItem'));
    await load();
    eq(remembered(win, calls, clearCalls),
       { day: null, times: ['2012-12-31 23:59', '2012-12-01 00:00'] });
    await goto(PAGE);
});

test('the navigation buttons move both lists and the grid, and stop at the ends of the year list',
     async ({ win, doc, eq, click, goto }) => {
    await goto(PAGE);
    const cases = [
        [2013, 0, 'monthBack', 2012, 11],
        [2012, 11, 'monthForward', 2013, 0],
        [2012, 4, 'yearBack', 2011, 4],
        [2012, 4, 'yearForward', 2013, 4],
        [2049, 5, 'yearForward', 2049, 5],
        [2010, 5, 'yearBack', 2010, 5],
        [2010, 0, 'monthBack', 2010, 0],
        [2049, 11, 'monthForward', 2049, 11],
        [2020, 7, 'today', 2012, 4],
    ];
    for (const [y, m, button, ey, em] of cases) {
        show(win, y, m);
        await click(doc.getElementById('rl_' + button));
        eq(shown(win, doc), { year: ey, month: em, boxes: [ey + '年', em + 1 + '月'], first: '1' },
           `${button} from ${y}-${m + 1}`);
        eq(doc.getElementById('select_info_SY').parentNode.querySelector('.open_selected, .open_hover').textContent,
           ey + '年', 'the year list marks the chosen year');
    }
});

test('choosing a month in the restyled box redraws the grid and its marks', async ({ win, doc, eq, click, goto }) => {
    await goto(PAGE);
    show(win, 2012, 8);
    await click(doc.getElementById('select_info_SM'));
    eq(doc.getElementById('options_SM').style.display, 'block', 'the list opens');
    await click(doc.getElementById('options_SM').children[4]);
    eq(shown(win, doc), { year: 2012, month: 4, boxes: ['2012年', '5月'], first: '1' });
    eq(marksOf(win, doc, 3), [['sb', ' 2条']]);
});

test('resizing the window gives the rows the new height and the marks follow their cells',
     async ({ win, doc, eq, ok, sleep, goto }) => {
    await goto(PAGE);
    const frame = document.getElementById('page');
    try {
        frame.style.height = '400px';
        await sleep(200);
        const rows = Array.from(doc.querySelectorAll('#contBody tr')).map((r) => r.offsetHeight);
        ok(rows.every((h) => Math.abs(h - Math.floor((400 - 89) / 5)) <= 1), 'rows ' + rows);
        const n = cellOf(win, 4);
        const cell = box(win, doc.getElementById('GD' + n));
        const mark = box(win, doc.getElementById('MK' + n));
        ok(mark.top >= box(win, doc.getElementById('LD' + n)).bottom && mark.top < cell.bottom,
           'the mark of 4 May is in its cell');
    } finally {
        frame.style.height = '';
        await sleep(200);
    }
    eq(doc.getElementById('contBody').rows[0].offsetHeight, Math.floor((490 - 89) / 5));
});

test('the balance shows sums of zero and more in red and debts as their amount in green',
     async ({ win, doc, eq, goto }) => {
    await goto(PAGE);
    const zj = doc.getElementById('ZJVal');
    for (const [value, text, tint] of [['12.50', '12.50', RED], ['0.00', '0.00', RED], ['-200.00', '200.00', GREEN]]) {
        win.setZJVal(value);
        eq([zj.textContent, colour(win, zj)], [text, tint], value);
    }
    win.external.ServerFun('shzl', 'getSum', '', '', '', '');
    eq([zj.textContent, colour(win, zj)], ['189.70', GREEN], 'the sum the program answers');
});

test('the toolbar opens the note and ledger dialogs, and a click elsewhere closes an hour panel',
     async ({ win, doc, eq, ok, click, goto }) => {
    await goto(PAGE);
    eq(win.htmlno, 187, 'adding reloads the calendar');
    const cancel = () => Array.from(doc.querySelectorAll('#msgDiv a.g_a')).find((a) => a.textContent.includes('取消'));
    await click(doc.getElementById('rlSbItem'));
    ok(doc.getElementById('msgDiv'), 'the note dialog is open');
    eq(doc.getElementById('txtdata').value, '2012-05-15');
    await click(doc.getElementById('txtime1'));
    ok(doc.getElementById('txshiPanelDiv'), 'the hour panel is open');
    await click(doc.getElementById('TextArea1'));
    eq(doc.getElementById('txshiPanelDiv'), null, 'a click elsewhere closes it');
    await click(cancel());
    eq(doc.getElementById('msgDiv'), null);
    await click(doc.getElementById('rlJzItem'));
    ok(doc.getElementById('jzvcont'), 'the ledger dialog is open');
    await click(cancel());
    eq(doc.getElementById('msgDiv'), null);
});

test('screenshot: May 2012 with marks of every kind, today, festivals and solar terms',
     async ({ win, doc, eq, screenshot, goto }) => {
    await goto(PAGE);
    eq(shown(win, doc).boxes, ['2012年', '5月']);
    const shot = await screenshot('may-2012');
    eq(typeof shot.path, 'string');
});
