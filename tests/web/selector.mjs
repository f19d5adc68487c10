// selector.mjs: the Playwright selectors the test writes ("css", "css >> nth=N",
// 'css:text-is("text")') taken apart, for the engines that know only CSS.
export function selectorParts(selector) {
    const [, css, nth = 0] = selector.match(/^(.*?)(?: >> nth=(\d+))?$/);
    const [, base, text = null] = css.match(/^(.*?)(?::text-is\("(.*)"\))?$/);
    return [base, Number(nth), text];
}
