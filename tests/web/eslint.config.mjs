// The menu's script, checked as any JavaScript: the recommended rules, in
// the language of the browsers it still serves (ES5, a classic script).
import js from "@eslint/js";

export default [
  {
    files: ["core/page/menu.js"],
    ...js.configs.recommended,
    languageOptions: {
      ecmaVersion: 5,
      sourceType: "script",
      globals: {
        document: "readonly", setTimeout: "readonly", clearTimeout: "readonly",
        getComputedStyle: "readonly",
      },
    },
  },
];
