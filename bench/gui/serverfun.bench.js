// ServerFun round trips from page script through the real bridge and routing ("shzl" "getSum"
// calls setZJVal before it returns). Run by bench/gui/run.sh. The engine's clock is coarse (about
// a millisecond), so calls are timed in batches of 50 and the median is over the batches' means.
suite({ page: 'tavelo://app/TEST/bridge' });

test('ServerFun round trip', async ({ win, log }) => {
    const batch = 50;
    const means = [];
    for (let b = 0; b < 1000 / batch; b += 1) {
        const start = win.performance.now();
        for (let i = 0; i < batch; i += 1) {
            win.external.ServerFun('shzl', 'getSum', '', '', '', '');
        }
        means.push((win.performance.now() - start) / batch);
    }
    means.sort((a, b) => a - b);
    const total = means.reduce((s, v) => s + v, 0) / means.length;
    log('ServerFun round trip over 1000 calls: median ' + means[means.length >> 1].toFixed(3) +
        ' ms (of 20 batches of 50), mean ' + total.toFixed(3) + ' ms, slowest batch ' +
        means[means.length - 1].toFixed(3) + ' ms');
});
