// The calendar page over an empty database: no marks, and everything else still works.
suite({ page: 'tavelo://app/HTML/187', clock: '2049-12-20T09:00:00', size: [355, 490] });

test('an empty database answers "]" and leaves the page without marks but working',
     async ({ win, doc, eq, calls, click }) => {
    eq(calls().filter((c) => c[0] === 'InitData'), [['InitData', ']']]);
    eq(win.DataSet1, null);
    eq(doc.getElementById('ShowIcon').children.length, 0);
    eq([win.rlYear(), win.rlMonth(), doc.getElementById('select_info_SY').textContent], [2049, 11, '2049年']);
    win.InitData("[['sb',0,'broken");
    eq(win.DataSet1, null, 'an unreadable answer changes nothing');
    win.InitData("[['sb',0,'加班','2049-12-24 20:00']]");
    await click(doc.getElementById('rl_monthBack'));
    await click(doc.getElementById('rl_monthForward'));
    eq(doc.getElementById('MK' + (win.cld.firstWeek + 23)).textContent, ' 加班');
});
