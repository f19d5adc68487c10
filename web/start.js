// start.js: runs as the page is read, before the window is laid out, so that it is laid out
// once. It fits the arrangement in force to the screen, keeps the clicks on cells made before
// the game's code has come, and brings that code once the board is painted.
'use strict';
(() => {
    const root = document.documentElement;
    const screen = document.getElementById('screen');

    // The arrangement in force scaled as a whole to the screen within its safe area, from its
    // known size, and again whenever the screen changes or turns.
    function fit() {
        const padding = getComputedStyle(screen);
        const sizes = getComputedStyle(root);
        const across = innerWidth - parseFloat(padding.paddingLeft) -
            parseFloat(padding.paddingRight);
        const down = innerHeight - parseFloat(padding.paddingTop) -
            parseFloat(padding.paddingBottom);
        root.style.setProperty('--s', Math.min(
            across / parseFloat(sizes.getPropertyValue('--fit-width')),
            down / parseFloat(sizes.getPropertyValue('--fit-height'))));
    }
    fit();
    addEventListener('resize', fit);

    const early = window.torvelleEarly = { cells: [] };
    early.keep = (event) => {
        const cell = event.target.closest?.('.cell');
        if (cell && event.detail < 2)
            early.cells.push(Number(cell.dataset.i));
    };
    document.addEventListener('click', early.keep, true);
    addEventListener('load', () => setTimeout(() => {
        const script = document.createElement('script');
        script.type = 'module';
        script.src = 'page.js';
        document.head.append(script);
    }));
})();
