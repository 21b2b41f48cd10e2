// Time from asking for a month's list to the entries page drawn, with 1,000 entries in the month.
// Run by bench/entries/run.sh; each run is one real navigation through the routing and the page.
suite({
    page: 'tavelo://app/HTML/176',
    clock: '2012-05-15T10:00:00',
    size: [355, 490],
    sql: ["with recursive n(i) as (select 0 union all select i + 1 from n where i < 999) " +
          "insert into shzl(time,type,cont,remark) select " +
          "printf('2012-05-%02d %02d:%02d', 1 + i % 31, (i / 31) % 24, i % 60), " +
          "case i % 3 when 0 then 'sb' when 1 then 'jz' else 'tx' end, " +
          "case i % 3 when 1 then -12.5 - i else 0 end, " +
          "'entry ' || i || ' 一段记事内容 with <b>text</b>' from n"],
});

const MAY = " time>='2012-05-01' and time<'2012-06-01' ORDER BY time DESC";
const frameDrawn = (win) => new Promise((r) => win.requestAnimationFrame(() => win.requestAnimationFrame(r)));

test('entries page with 1,000 entries: navigation to list drawn', async ({ win, load, eq, log }) => {
    const runs = 15;
    const times = [];
    for (let i = 0; i < runs; i++) {
        const start = performance.now();
        win.external.ServerFun('shzl', 'getDataByData', MAY, '', '', '');
        await load();
        await frameDrawn(win);
        times.push(performance.now() - start);
        eq(win.shzlRows.length, 1000);
    }
    const first = times[0];
    times.sort((a, b) => a - b);
    log('entries page, 1000 entries in one month, navigation to list drawn: median ' +
        times[runs >> 1].toFixed(1) + ' ms over ' + runs + ' runs (fastest ' + times[0].toFixed(1) +
        ', slowest ' + times[runs - 1].toFixed(1) + ', first ' + first.toFixed(1) + ')');
});
