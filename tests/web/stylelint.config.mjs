// The menu's style sheet, checked as any CSS: the standard rules, less the
// ones its fill-in comments and the page's own wording need.
export default {
  extends: ["stylelint-config-standard"],
  rules: {
    // The BEM class names of the menu (halvero-menu__link, --enhanced).
    "selector-class-pattern": null,
    // var(--halvero-NAME) stands for a value filled in when the page is
    // written; a comment "if ..." may sit inside a selector list.
    "custom-property-pattern": null,
    "comment-whitespace-inside": "always",
    // Declarations are kept in the order the page has always had.
    "declaration-block-no-redundant-longhand-properties": null,
    "shorthand-property-no-redundant-values": null,
    // The selectors are scoped two deep on purpose.
    "no-descending-specificity": null,
    // Fill-in comments and the look's line sit right above what they keep.
    "comment-empty-line-before": null,
    "custom-property-empty-line-before": null,
    "value-keyword-case": ["lower", { camelCaseSvgKeywords: true }],
  },
};
