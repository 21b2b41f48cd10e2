// Every toolkit widget on one page, rendered by the engine and kept as a picture for a person to
// look at; nothing here is compared pixel by pixel.
suite({ page: 'tavelo://app/TEST/toolkit-widgets', clock: '2012-03-01T10:00:00', size: [355, 490] });

test('all widgets render together and are saved as a screenshot', async ({ win, doc, eq, ok, click, screenshot }) => {
    const tool = new win.LTool();
    tool.SetData([['当月记录', '', win.img_image, 'month'], ['|'], ['记事', '', win.img_sb], ['记账', '', win.img_calculator]]);
    tool.tool.style.cssText = 'position:absolute;right:10px;top:0';
    doc.getElementById('toolbar').appendChild(tool.tool);

    const radios = doc.getElementById('radios');
    for (const [label, value] of [['收入', 'sr'], ['支出', 'zc']]) {
        const r = win.GRadio('rd' + value, label, value);
        r.style.cssText = 'float:left;width:60px';
        radios.appendChild(r);
    }
    doc.getElementById('rdsr').checked = true;
    const check = doc.createElement('input');
    check.type = 'checkbox';
    check.className = 'styled';
    check.checked = true;
    radios.appendChild(check);
    win.LForm.init();
    win.initSelect();

    const grid = new win.LGird();
    grid.pageSize = 3;
    grid.SetData({
        ColSet: [{ id: 'cTime', text: '时间', type: 'date', no: 0 }, { id: 'cText', text: '内容', type: 'string', no: 1 }],
        DataSet: [['2012-03-01 08:30', '<img src=x onerror=alert(1)>'], ['2012-03-02 12:00', '午饭 -25.5'], ['2012-03-05 18:45', 'call home'], ['2012-03-06 09:00', '下一页']],
    });
    doc.getElementById('gridBox').appendChild(grid.Gird);

    const field = doc.getElementById('dateField');
    field.onclick = function () { win.setday(this); };
    await click(field);
    await click(doc.getElementById('select_info_SY'));
    ok(doc.getElementById('setdayLayer').style.display !== 'none', 'the picker is open');
    eq(doc.getElementById('options_SY').style.display, 'block', 'the year list is open');

    const content = doc.createElement('div');
    const title = doc.createElement('div');
    title.style.padding = '0 3px';
    title.appendChild(win.GIm(win.img_toolbarAdd, ''));
    title.appendChild(doc.createTextNode(' 添加分类'));
    content.appendChild(title);
    content.appendChild(win.LHr());
    const buttons = doc.createElement('div');
    buttons.style.cssText = 'text-align:center;padding-top:12px';
    buttons.appendChild(win.LButton('添加'));
    buttons.appendChild(win.LButton('取消'));
    content.appendChild(buttons);
    const box = new win.LMsg();
    box.SetData(content, 200, 70, '添加分类', undefined, 414);

    const shot = await screenshot('toolkit-widgets');
    ok(shot && !shot.error, 'screenshot saved: ' + JSON.stringify(shot));
});
