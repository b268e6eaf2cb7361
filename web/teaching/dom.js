// Making elements, for the modules that draw (the view, its arithmetic, the exercises).

// An element with its attributes (those null, undefined or false left out) and children.
export function make(tag, attributes = {}, ...children) {
  const element = document.createElement(tag);
  for (const [name, value] of Object.entries(attributes)) {
    if (value !== null && value !== undefined && value !== false) element.setAttribute(name, value);
  }
  element.append(...children);
  return element;
}

const SVG = 'http://www.w3.org/2000/svg';

// An SVG element (a figure's shape) with its attributes and children.
export function svg(tag, attributes = {}, ...children) {
  const element = document.createElementNS(SVG, tag);
  for (const [name, value] of Object.entries(attributes)) element.setAttribute(name, value);
  element.append(...children);
  return element;
}
