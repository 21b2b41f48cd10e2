// The entry dialogs (JS 198) on the entries page, against the real routing and database.
suite({
    page: 'tavelo://app/HTML/176',
    clock: '2012-05-15T10:00:00',
    size: [355, 490],
    sql: [
        "insert into shzl(time,type,cont,remark) values('2012-05-14 12:00','jz',-25.5,'午饭')",
        "insert into shzl(time,type,cont,remark) values('2012-05-13 09:05','jz',300,'')",
        "insert into shzl(time,type,cont,remark) values('2012-05-11 20:00','jz',0,'zero')",
    ],
});

const MAY = " time>='2012-05-01' and time<'2012-06-01' ORDER BY time DESC";
const dayWhere = (d) => " time>='" + d + " ' and time<='" + d + " 23:59:59' ORDER BY time DESC";

// Every stored row, read through the harness frame, which has no page functions of its own.
function dbRows(calls) {
    const before = calls().length;
    window.external.ServerFun('shzl', 'editRili', ' 1=1 ORDER BY id', '', '', '');
    const answer = calls().slice(before).find((c) => c[0] === 'EventSelFun');
    return answer && answer[1] ? new Function('return ' + answer[1])() : [];
}
function rowAt(calls, time) {
    return dbRows(calls).filter((r) => r[3] === time);
}

// Opens the list as the calendar does: a chosen day (day text) or a whole month (no day).
async function openList(win, load, where, day) {
    if (day) win.external.ServerFun('shzl', 'SetData', day, '', '', '');
    else window.external.ServerFun('shzl', 'getData', '', '', '', '');
    win.external.ServerFun('shzl', 'getDataByData', where, '', '', '');
    await load();
    const seen = [];
    win.alert = (m) => { seen.push(String(m)); };
    return seen;
}

function button(doc, caption) {
    return Array.from(doc.querySelectorAll('#msgDiv a.g_a')).find((a) => a.textContent.trim() === caption);
}
function toolItem(doc, caption) {
    return Array.from(doc.querySelectorAll('#toolDiv a.toola')).find((a) => a.textContent === caption);
}
function fields(doc) {
    const v = (id) => (doc.getElementById(id) ? doc.getElementById(id).value : null);
    return [v('txtdata'), v('txtime1'), v('txtime2'), v('TextArea1')];
}
function radioSpan(doc, value) {
    return doc.getElementById('rd_' + value).previousSibling;
}
function pickerCell(doc, panelId, n) {
    return Array.from(doc.querySelectorAll('#' + panelId + ' td')).find((td) => td.textContent === String(n));
}
const settle = () => new Promise((r) => setTimeout(r, 150));

test('adding a note from a day chosen on the calendar proposes that day at 0:00 and stores it with an empty text',
    async ({ win, doc, load, eq, ok, click, calls }) => {
        await openList(win, load, dayWhere('2012-05-03'), '2012|4|3');
        eq(win.mdate, '2012|4|3');
        await click(toolItem(doc, '记事'));
        eq(fields(doc), ['2012-05-03', '0', '0', '内容...']);
        eq(doc.getElementById('msgDiv').textContent.indexOf('记事记事时间'), 0, 'title, then the label');
        const box = doc.getElementById('msgDiv').getBoundingClientRect();
        eq([box.width, box.height], [260, 320]);
        await click(button(doc, '添加'));
        await load();
        eq(rowAt(calls, '2012-05-03 00:00').map((r) => r.slice(0, 3)), [['sb', 0, '']],
            'the untouched placeholder is not stored as the text');
        eq(doc.querySelector('#tableDiv tbody tr .timeLine').textContent, '\u25aa 2012-05-03 00:00');
    });

test('without a chosen day the add dialogs propose now; the reminder dialog always does', async ({ win, doc, load, eq, ok, click, calls }) => {
    await openList(win, load, MAY);
    eq(win.mdate, null);
    await click(toolItem(doc, '记账'));
    eq(fields(doc), ['2012-05-15', '10', '0', '备注...']);
    eq([doc.getElementById('rd_sr').checked, doc.getElementById('rd_zc').checked, doc.getElementById('jzvcont').value], [true, false, '']);
    await click(button(doc, '取消'));
    eq(doc.getElementById('msgDiv'), null, 'cancel closes the box');

    await openList(win, load, dayWhere('2012-05-03'), '2012|4|3');
    win.EventAddTx();
    eq(fields(doc), ['2012-05-15', '10', '0', '内容...'], 'the reminder ignores the chosen day');
    const hour = doc.getElementById('txtime1');
    await click(hour);
    const wanted = hour.getBoundingClientRect().left - 2;
    const face = doc.getElementById('txshiPanelDiv').lastChild.getBoundingClientRect();
    const room = doc.documentElement.clientWidth;
    ok(Math.abs(face.left - 4 - Math.min(wanted, room - 218)) <= 1 && face.right <= room,
       'its pickers open at the field, kept inside the window: ' + [wanted, face.left, face.right, room]);
    await click(pickerCell(doc, 'txshiPanel', 9));
    await click(doc.getElementById('TextArea1'));
    doc.getElementById('TextArea1').value = 'dentist';
    await click(button(doc, '添加'));
    await load();
    eq(dbRows(calls).filter((r) => r[0] === 'tx').map((r) => r.slice(0, 4)), [['tx', 0, 'dentist', '2012-05-15 09:00']]);
});

test('the hour panel blocks the minute panel; pickers choosing 7 and 5 with 支出 30 store -30 at 07:05',
    async ({ win, doc, load, eq, ok, click, calls, screenshot }) => {
        await openList(win, load, dayWhere('2012-05-03'), '2012|4|3');
        await click(toolItem(doc, '记账'));
        const hour = doc.getElementById('txtime1');
        await click(hour);
        const panel = doc.getElementById('txshiPanelDiv');
        ok(panel && panel.hasAttribute('IsTime1'), 'the hour panel opens');
        const numbers = Array.from(doc.querySelectorAll('#txshiPanel td'), (td) => td.textContent.trim());
        eq(numbers.length, 30);
        eq(numbers.slice(0, 24), Array.from({ length: 24 }, (_, i) => String(i)));
        eq(numbers.slice(24), ['', '', '', '', '', ''], 'the cells after 23 are blank');
        eq(doc.querySelectorAll('#txshiPanel td')[29].style.background, 'rgb(217, 229, 243)');
        const expectLeft = Math.max(0, Math.round(hour.getBoundingClientRect().left) - 191);
        const at = panel.firstChild.getBoundingClientRect();
        ok(Math.abs(at.left - expectLeft) <= 1 && Math.abs(at.top - hour.getBoundingClientRect().top - 21) <= 1,
           'the panel opens below the field, 191 pixels to its left: ' + [at.left, at.top]);
        await screenshot('hour-picker');

        await click(doc.getElementById('txtime2'));
        eq(doc.getElementById('txfenPanelDiv'), null, 'no minute panel while the hour panel is open');
        await click(pickerCell(doc, 'txshiPanel', 7));
        eq([hour.value, doc.getElementById('txshiPanelDiv')], ['7', null]);

        await click(doc.getElementById('txtime2'));
        eq(doc.querySelectorAll('#txfenPanel td').length, 60);
        await click(doc.querySelector('#txfenPanel img[alt="关闭"]'));
        eq(doc.getElementById('txfenPanelDiv'), null, 'the close image removes the panel');
        await click(doc.getElementById('txtime2'));
        await click(pickerCell(doc, 'txfenPanel', 5));
        eq(doc.getElementById('txtime2').value, '5');

        await click(radioSpan(doc, 'zc'));
        eq([doc.getElementById('rd_sr').checked, doc.getElementById('rd_zc').checked], [false, true]);
        doc.getElementById('jzvcont').value = '30';
        await click(button(doc, '添加'));
        await load();
        eq(rowAt(calls, '2012-05-03 07:05').map((r) => r.slice(0, 3)), [['jz', -30, '']]);
    });

test('the ledger dialog refuses missing choices, non-numbers and impossible times and sends nothing',
    async ({ win, doc, load, eq, ok, click, calls }) => {
        const alerts = await openList(win, load, MAY);
        const count = dbRows(calls).length;
        const cases = [
            // date, hour, minute, amount, alert
            ['2012-05-20', '8', '0', '', '请输入金额！'],
            ['2012-05-20', '8', '0', 'abc', '请输入金额！'],
            ['2012-05-20', '8', '0', '12abc', '请输入金额！'],
            ['2012-05-20', '8', '0', '-5', '请输入金额！'],
            ['2012-05-20', '8', '0', '1,5', '请输入金额！'],
            ['2012-02-30', '8', '0', '5', '请输入正确的时间！'],
            ['2011-02-29', '8', '0', '5', '请输入正确的时间！'],
            ['2012-05-20', '25', '0', '5', '请输入正确的时间！'],
            ['2012-05-20', '8', '60', '5', '请输入正确的时间！'],
            ['2012-05-20', 'x', '0', '5', '请输入正确的时间！'],
            ['2012-05-20', '', '0', '5', '请输入正确的时间！'],
            ['2012-5-20x', '8', '0', '5', '请输入正确的时间！'],
            ['', '8', '0', '5', '请输入正确的时间！'],
        ];
        win.EventAddJz();
        for (const [date, h, m, amount, message] of cases) {
            alerts.length = 0;
            doc.getElementById('txtdata').value = date;
            doc.getElementById('txtime1').value = h;
            doc.getElementById('txtime2').value = m;
            doc.getElementById('jzvcont').value = amount;
            await click(button(doc, '添加'));
            eq(alerts, [message], JSON.stringify([date, h, m, amount]));
        }
        doc.getElementById('txtdata').value = '2012-05-20';
        doc.getElementById('jzvcont').value = '5';
        doc.getElementById('rd_sr').checked = false;
        alerts.length = 0;
        await click(button(doc, '添加'));
        eq(alerts, ['请选择！'], 'neither income nor expense chosen');
        await settle();
        eq(dbRows(calls).length, count, 'nothing was stored');
        ok(doc.getElementById('msgDiv'), 'the dialog stays open for a correction');
    });

test('typed times and amounts are sent in their normal form', async ({ win, doc, load, eq, click, calls }) => {
    const cases = [
        // date, hour, minute, amount, stored time, stored amount
        ['2012-5-20', '7', '5', ' 12.50 ', '2012-05-20 07:05', 12.5],
        ['2012-02-29', '23', '59', '.5', '2012-02-29 23:59', 0.5],
        ['2000-02-29', '00', '00', '0', '2000-02-29 00:00', 0],
    ];
    for (const [date, h, m, amount, time, stored] of cases) {
        await openList(win, load, MAY);
        win.EventAddJz();
        doc.getElementById('txtdata').value = date;
        doc.getElementById('txtime1').value = h;
        doc.getElementById('txtime2').value = m;
        doc.getElementById('jzvcont').value = amount;
        await click(button(doc, '添加'));
        await load();
        eq(rowAt(calls, time).map((r) => r.slice(0, 2)), [['jz', stored]], time);
    }
});

test('the ledger editor shows the stored entry, saves it under the same id, and cancel reloads the list',
    async ({ win, doc, load, eq, ok, click, calls, screenshot }) => {
        const before = dbRows(calls);
        const lunch = before.find((r) => r[2] === '午饭');
        await openList(win, load, MAY);
        const cases = [
            // remark, amount field, income chosen
            ['午饭', '25.5', false],
            ['', '300', true],
            ['zero', '0', false],
        ];
        for (const [remark, amount, income] of cases) {
            const row = before.find((r) => r[0] === 'jz' && r[2] === remark && r[3] < '2012-05-15');
            win.editRili(row[4]);
            eq([fields(doc)[3], doc.getElementById('jzvcont').value, doc.getElementById('rd_sr').checked, doc.getElementById('rd_zc').checked],
               [remark, amount, income, !income], JSON.stringify(remark));
            win.Lmsg1.Close();
        }

        const tr = Array.from(doc.querySelectorAll('#tableDiv tbody tr')).find((t) => t.textContent.indexOf('午饭') >= 0);
        await click(tr);
        await click(Array.from(tr.querySelectorAll('a.rowLink')).find((a) => a.textContent === '编辑'));
        eq(fields(doc), ['2012-05-14', '12', '00', '午饭']);
        eq([button(doc, '编辑') !== undefined, button(doc, '添加')], [true, undefined]);
        await screenshot('ledger-editor');

        await click(button(doc, '取消'));
        await load();
        eq(dbRows(calls), before, 'cancel stores nothing');

        win.editRili(lunch[4]);
        await click(radioSpan(doc, 'sr'));
        doc.getElementById('jzvcont').value = '40';
        doc.getElementById('txtime2').value = '7';
        await click(button(doc, '编辑'));
        await load();
        eq(dbRows(calls).find((r) => r[4] === lunch[4]), ['jz', 40, '午饭', '2012-05-14 12:07', lunch[4]]);
    });

test('hostile texts go through add, list, edit and delete unchanged and are never read as markup',
    async ({ win, doc, load, eq, ok, click, calls }) => {
        const texts = [
            "it's a \"quote\" and ''",
            'back\\slash \\n \\\\ \\\'',
            'line one\nline two\n\n  indented line four',
            '<b>markup</b><img src=x onerror="top.__pwned=1"> &amp;',
            'emoji \ud83d\ude00 \ud83d\udc4d\ud83c\udffd',
            '中文记事：明天下午三点开会',
            '内容...',
        ];
        for (let i = 0; i < texts.length; i++) {
            const text = texts[i];
            const day = '2012-06-' + String(10 + i);
            const kind = i % 2 ? 'jz' : 'sb';
            await openList(win, load, dayWhere(day), '2012|5|' + (10 + i));
            await click(toolItem(doc, kind === 'sb' ? '记事' : '记账'));
            await click(doc.getElementById('TextArea1'));
            doc.getElementById('TextArea1').value = text;
            if (kind === 'jz') doc.getElementById('jzvcont').value = '1';
            await click(button(doc, '添加'));
            await load();
            const stored = rowAt(calls, day + ' 00:00');
            eq(stored.map((r) => r[2]), [text], 'stored: ' + JSON.stringify(text));

            const tr = doc.querySelector('#tableDiv tbody tr');
            const body = tr.querySelector('.rowWidth');
            eq(body.querySelectorAll('*').length, kind === 'jz' ? 1 : 0, 'no element made from the text');
            const shown = kind === 'jz' ? '收入 1 [' + text + ']' : text;
            eq(body.textContent, shown, 'listed: ' + JSON.stringify(text));

            await click(tr);
            await click(Array.from(tr.querySelectorAll('a.rowLink')).find((a) => a.textContent === '编辑'));
            eq(doc.getElementById('TextArea1').value, text, 'edited back: ' + JSON.stringify(text));
            doc.getElementById('TextArea1').value = text;
            doc.getElementById('txtime1').value = '9';
            await click(button(doc, '编辑'));
            await load();
            eq(rowAt(calls, day + ' 09:00').map((r) => [r[2], r[4]]), [[text, stored[0][4]]], 'saved: ' + JSON.stringify(text));

            const again = doc.querySelector('#tableDiv tbody tr');
            await click(again);
            await click(Array.from(again.querySelectorAll('a.rowLink')).find((a) => a.textContent === '删除'));
            await load();
            eq(dbRows(calls).filter((r) => r[4] === stored[0][4]), [], 'deleted: ' + JSON.stringify(text));
            eq(doc.querySelector('#tableDiv tbody tr').textContent, '没有记录，您可以点右上角的按钮添加');
        }
        eq(window.top.__pwned, undefined, 'no markup ran');
    });

test('the add dialog looks right', async ({ win, doc, load, click, screenshot }) => {
    await openList(win, load, MAY);
    await click(toolItem(doc, '记事'));
    await screenshot('add-note');
});
