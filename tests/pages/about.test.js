// The about page in the real engine: the calendar with its differences, the about box from the
// program's text, the web site link and the way back to the calendar.
const PAGE = 'tavelo://app/HTML/213';

suite({
    page: PAGE,
    clock: '2012-05-15T10:00:00',
    size: [355, 490],
    sql: [
        "insert into shzl(time,type,cont,remark) values('2012-05-03 08:30','sb',0,'x')",
        "insert into shzl(time,type,cont,remark) values('2012-05-04 08:30','jz',-20,'')",
    ],
});

test('the about box shows the program\'s title, content and button over a veil',
     async ({ doc, eq, ok, calls }) => {
    const about = calls().filter((c) => c[0] === 'EventAbout');
    eq(about.length, 1, 'one answer to "init"');
    const [title, , caption] = about[0][1].split('|');
    eq(about[0][1].split('|').length, 3);
    eq(doc.getElementById('aboutTitle').textContent, title);
    eq(title, '关于');
    ok(doc.getElementById('aboutContent').textContent.includes('Tavelo日历记事本1.01版'));
    ok(doc.getElementById('aboutContent').querySelector('a[href="javascript:gotoWeb();"]'), 'the web site link');
    ok(doc.getElementById('aboutClose').textContent.includes(caption), 'the button caption');
    const box = doc.getElementById('msgDiv');
    eq([box.offsetWidth, box.offsetHeight], [260, 158]);
    ok(doc.getElementById('bgDiv'), 'the veil covers the calendar');
});

test('behind the box the calendar lists 2000 to 2049, shows 0 and marks neither entries nor today',
     async ({ win, doc, eq }) => {
    const sy = doc.getElementById('SY');
    eq([sy.options.length, sy.options[0].text, sy.options[49].text], [50, '2000年', '2049年']);
    eq([win.rlYear(), win.rlMonth()], [2012, 4]);
    eq(doc.getElementById('select_info_SY').textContent, '2012年');
    eq(doc.getElementById('ShowIcon').children.length, 0, 'no marks');
    const today = doc.getElementById('GD' + (win.cld.firstWeek + 14));
    eq(win.getComputedStyle(today).backgroundColor, 'rgb(246, 246, 246)', 'today as plain as outside days');
    const zj = doc.getElementById('ZJVal');
    eq([zj.textContent, zj.offsetLeft], ['0', 22]);
});

test('the link opens the web site in the user\'s browser', async ({ doc, eq, ok, click, opened, sleep }) => {
    await click(doc.getElementById('aboutContent').querySelector('a'));
    for (let i = 0; i < 20 && opened().length === 0; i++) await sleep(25);
    eq(opened().length, 1);
    ok(/^https?:\/\/[^/]+/.test(opened()[0]), 'a web address: ' + opened()[0]);
});

test('screenshot: the about box over the calendar', async ({ eq, screenshot }) => {
    eq(typeof (await screenshot('about')).path, 'string');
});

test('the close button loads the calendar page', async ({ win, doc, eq, click, load }) => {
    await click(doc.getElementById('aboutClose'));
    await load();
    eq(win.location.href, 'tavelo://app/HTML/187');
    eq(doc.getElementById('SY').options.length, 40, 'the calendar\'s own year list');
});
