// The panels beside the calculator, one shown at a time.

export function attachTabs(onShow) {
  const tabs = [...document.querySelectorAll('[role="tab"]')];
  const show = (tab) => {
    for (const other of tabs) {
      const selected = other === tab;
      other.setAttribute('aria-selected', String(selected));
      document.getElementById(other.getAttribute('aria-controls')).hidden = !selected;
    }
    onShow(tab.id);
  };
  for (const tab of tabs) tab.addEventListener('click', () => show(tab));
  return (id) => show(document.getElementById(id));
}
