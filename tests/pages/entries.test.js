// The entries page (HTML 176) filled by the real routing from the real database.
suite({
    page: 'tavelo://app/HTML/176',
    clock: '2012-05-15T10:00:00',
    size: [355, 490],
    sql: [
        // May 2012, around "today" (the 15th)
        "insert into shzl(time,type,cont,remark) values('2012-05-15 08:30','sb',0,'call home')",
        "insert into shzl(time,type,cont,remark) values('2012-05-14 12:00','jz',-25.5,'午饭')",
        "insert into shzl(time,type,cont,remark) values('2012-05-13 09:05','jz',300,'')",
        "insert into shzl(time,type,cont,remark) values('2012-05-12 18:45','tx',0,'dentist')",
        "insert into shzl(time,type,cont,remark) values('2012-05-03 07:00','sb',0,'older note')",
    ].concat(Array.from({ length: 65 }, (_, i) =>
        // 65 entries in March 2012, one a day-hour apart so the order is fixed
        "insert into shzl(time,type,cont,remark) values('2012-03-" + String(1 + Math.floor(i / 3)).padStart(2, '0') +
        ' ' + String(8 + (i % 3)).padStart(2, '0') + ":00','sb',0,'entry " + (i + 1) + "')")),
});

const MAY = " time>='2012-05-01' and time<'2012-06-01' ORDER BY time DESC";
const MARCH = " time>='2012-03-01' and time<'2012-04-01' ORDER BY time DESC";
const EMPTY_MONTH = " time>='2011-01-01' and time<'2011-02-01' ORDER BY time DESC";

// Opens the entries page the way the calendar does: remember the fragment, then load page 176.
async function openList(win, load, where, frame, height) {
    if (frame && height) frame().win.frameElement.style.height = height + 'px';
    win.external.ServerFun('shzl', 'getDataByData', where, '', '', '');
    await load();
}

function shownRows(doc) {
    return Array.from(doc.querySelectorAll('#tableDiv tbody tr'));
}

function rowParts(tr) {
    const line = tr.querySelector('.timeLine');
    const body = tr.querySelector('.rowWidth');
    const b = body && body.querySelector('b');
    return {
        line: line ? line.textContent : null,
        body: body ? body.textContent : null,
        bold: b ? [b.textContent, b.style.color] : null,
        links: Array.from(tr.querySelectorAll('a.rowLink'), (a) => a.textContent),
    };
}

function visibleLinks(doc) {
    return Array.from(doc.querySelectorAll('a.rowLink'))
        .filter((a) => a.ownerDocument.defaultView.getComputedStyle(a).display !== 'none')
        .map((a) => a.textContent + ' ' + a.id);
}

test('rows show day words, amounts and remarks newest first, with links only on notes and ledger entries',
    async ({ win, doc, load, eq }) => {
        await openList(win, load, MAY);
        const rows = shownRows(doc).map(rowParts);
        eq(rows, [
            { line: '\u25aa 今天 08:30', body: 'call home', bold: null, links: ['编辑', '删除'] },
            { line: '\u25aa 昨天 12:00', body: '支出 25.5 [午饭]', bold: ['25.5', 'green'], links: ['编辑', '删除'] },
            { line: '\u25aa 前天 09:05', body: '收入 300', bold: ['300', 'red'], links: ['编辑', '删除'] },
            { line: '\u25aa 2012-05-12 18:45', body: '提醒  [dentist]', bold: null, links: [] },
            { line: '\u25aa 2012-05-03 07:00', body: 'older note', bold: null, links: ['编辑', '删除'] },
        ]);
        eq(visibleLinks(doc), [], 'the links stay hidden until a row is chosen');
    });

test('an empty answer gives the one invitation row under the toolbar', async ({ win, doc, load, eq, ok }) => {
    await openList(win, load, EMPTY_MONTH);
    eq(shownRows(doc).map((tr) => tr.textContent), ['没有记录，您可以点右上角的按钮添加']);
    eq(doc.getElementById('te1').textContent, '共1页 当前第');
    const tool = doc.getElementById('toolDiv');
    eq(Array.from(tool.querySelectorAll('a.toola'), (a) => a.textContent), ['日历', '记事', '记账']);
    const head = doc.getElementById('goodsNum').getBoundingClientRect();
    const box = tool.getBoundingClientRect();
    eq(Math.round(box.top), Math.round(head.top), 'the toolbar sits on the header row');
    eq(Math.round(doc.documentElement.clientWidth - box.right), 10, 'ten pixels from the right');
    ok(box.bottom <= head.bottom + 1, 'the toolbar does not cover the first row');
});

test('the page size follows the window height and a page past the end falls back to the last one',
    async ({ win, doc, load, eq, click, frame }) => {
        await openList(win, load, MARCH, frame, 430);
        eq(win.t1.pageSize, 10, '(430 - 50) / 38');
        eq(win.t1.pageTol, 7);
        eq(doc.getElementById('te1').textContent, '共7页 当前第');
        eq(shownRows(doc).length, 10);
        const nav = doc.getElementById('NavDiv').getBoundingClientRect();
        eq(Math.round(nav.top), 430 - 24, 'the navigation bar sits at the bottom');
        const tops = shownRows(doc).map((tr) => tr.getBoundingClientRect().top);
        eq(Math.round(tops[1] - tops[0]), 38, 'a row is 38 pixels high');
        const lastRow = shownRows(doc)[9].getBoundingClientRect();
        eq(lastRow.bottom <= nav.top + 1, true, 'ten rows fit above the navigation bar');

        await click(doc.getElementById('pageEndImg'));
        eq([doc.getElementById('gotoTe').value, shownRows(doc).length], ['7', 5], 'the seventh page holds five rows');
        eq(rowParts(shownRows(doc)[4]).body, 'entry 1');

        // Taller: 17 rows a page, 4 pages; the seventh page no longer exists.
        frame().win.frameElement.style.height = '700px';
        await new Promise((r) => setTimeout(r, 100));
        eq([win.t1.pageSize, win.t1.pageTol, win.t1.pageNo], [17, 4, 3]);
        eq([doc.getElementById('gotoTe').value, shownRows(doc).length], ['4', 65 - 51]);

        frame().win.frameElement.style.height = '490px';
        await new Promise((r) => setTimeout(r, 100));
        eq(win.t1.pageSize, 11);
    });

test('a row click marks that row and reveals only its own links; a reminder row reveals none',
    async ({ win, doc, load, eq, ok, click }) => {
        await openList(win, load, MAY);
        const rows = shownRows(doc);
        eq(doc.documentElement.scrollWidth, doc.documentElement.clientWidth, 'the list fits the width of the window');
        await click(rows[1]);
        const id = rows[1].querySelector('a.rowLink').id;
        eq(visibleLinks(doc), ['编辑 ' + id, '删除 ' + id]);
        eq(rows[1].style.background, 'rgb(223, 232, 246)');
        const mark = doc.getElementById('selectDiv');
        ok(mark, 'the dotted outline is drawn');
        const a = mark.getBoundingClientRect();
        const b = rows[1].getBoundingClientRect();
        eq([Math.round(a.top), Math.round(a.left), mark.style.width, mark.style.height],
           [Math.round(b.top), Math.round(b.left) - 1, rows[1].offsetWidth + 'px', (rows[1].offsetHeight - 1) + 'px']);

        await click(rows[0]);
        const id0 = rows[0].querySelector('a.rowLink').id;
        eq(visibleLinks(doc), ['编辑 ' + id0, '删除 ' + id0]);
        eq(rows[1].style.background, 'rgb(255, 255, 255)', 'the previous row returns to white');
        eq(doc.querySelectorAll('#selectDiv').length, 1, 'one outline at a time');

        await click(rows[3]);
        eq(visibleLinks(doc), [], 'a reminder row has no links and hides the others');
    });

test('the 日历 toolbar item brings back the calendar page', async ({ win, doc, load, eq, click }) => {
    await openList(win, load, MAY);
    const item = Array.from(doc.querySelectorAll('#toolDiv a.toola')).find((a) => a.textContent === '日历');
    await click(item);
    const { win: now } = await load();
    eq(now.location.href, 'tavelo://app/HTML/187');
});

test('the list with several pages looks right', async ({ win, doc, load, eq, screenshot, frame }) => {
    await openList(win, load, MAY);
    // A month mixing every kind, with more entries than fit on one page.
    for (let i = 0; i < 14; i++) {
        window.external.ServerFun('shzl', 'addData', '2012-05-0' + (1 + (i % 9)) + ' 1' + (i % 10) + ':00',
            i % 3 === 0 ? 'jz' : 'sb', i % 3 === 0 ? String(-10 - i) : '0',
            i % 3 === 0 ? '' : '第 ' + (i + 1) + ' 条：一段很长很长的记事内容，超出一行时以省略号结束。');
    }
    await openList(win, load, MAY);
    eq(win.t1.pageTol, 2);
    await (async () => { const r = shownRows(doc); r[1].click(); })();
    await screenshot('entries-list');
});
