// The calculator in a browser: the page is made from the design both desktop programs are
// built from, and its events run their handlers.

#include "behaviour.h"

#include <emscripten/bind.h>
#include <emscripten/html5.h>

#include <cwchar>
#include <optional>
#include <vector>

using emscripten::val;
using namespace design;

namespace {

val document() { return val::global("document"); }

val make(val parent, const char *tag, const std::string &id = {})
{
    val element = document().call<val>("createElement", std::string(tag));
    if (!id.empty())
        element.set("id", id);
    if (!parent.isUndefined())
        parent.call<void>("append", element);
    return element;
}

void attribute(val element, const char *name, val value) { element.call<void>("setAttribute", std::string(name), value); }

void listen(val element, std::initializer_list<const char *> types)
{
    for (const char *type : types)
        element.call<void>("addEventListener", std::string(type), val::module_property("on"));
}

std::string px(int pixels) { return std::to_string(pixels) + "px"; }

// A design colour in CSS: a desktop colour as it usually looks, for a page cannot ask the
// desktop for it. Under forced colours (high contrast) the browser puts the system's in place of all.
std::string css(Colour colour)
{
    switch (colour) {
    case desktopBackground: colour = desktopBackgroundStandIn; break;
    case highlight: colour = rgb(0, 0x78, 0xd7); break;
    case windowBackground: case highlightText: colour = white; break;
    case windowFrame: case menuText: case buttonText: colour = black; break;
    }
    std::string text = "#";
    for (const int nibble : {1, 0, 3, 2, 5, 4})
        text += "0123456789abcdef"[colour >> nibble * 4 & 15];
    return text;
}

std::string cssFont(const Font &font)
{
    return std::string(font.bold ? "bold " : "") + std::to_string(font.centipoints / 100.0) + "pt " + std::string(font.face, font.face + std::wcslen(font.face))
           + ", \"Liberation Sans\", Arial, sans-serif";
}

// A window's client area and its controls, in table order, which is also the focus order.
std::vector<val> build(val client, const Window &window, std::span<const Control> table)
{
    client.set("className", "client");
    client["style"].set("width", px(window.clientWidth));
    client["style"].set("height", px(window.clientHeight));
    if (window.background != noColour)
        client["style"].set("background", css(window.background));
    std::vector<val> elements;
    val group = val::undefined();
    for (const Control &c : table) {
        const std::size_t row = elements.size();
        const std::wstring caption = c.caption;
        val element = val::undefined(), styled = val::undefined();
        switch (c.kind) {
        case Kind::Picture:
            element = make(client, "img", c.name);
            element.set("src", "banner.gif");
            element.set("srcset", "banner@2x.gif 2x");
            element.set("alt", caption);
            break;
        case Kind::Line:
            element = make(client, "div", c.name);
            break;
        case Kind::Label:
            element = make(client, boxNamedBy(table, row) ? "label" : "div", c.name);
            if (const Control *box = boxNamedBy(table, row))
                element.set("htmlFor", std::string(box->name));
            element.set("textContent", caption);
            break;
        case Kind::Option:
            // The options are one group, named by the heading their description repeats.
            if (group.isUndefined()) {
                group = make(client, "div");
                attribute(group, "role", val("radiogroup"));
                attribute(group, "aria-label", val(std::wstring(c.description)));
            }
            styled = make(group, "label");
            element = make(styled, "input", c.name);
            element.set("type", "radio");
            element.set("name", "options");
            styled.call<void>("append", caption);
            break;
        case Kind::TextBox:
            element = make(client, "input", c.name);
            element.set("disabled", bool(c.flags & Disabled));
            element.set("readOnly", bool(c.flags & ReadOnly));
            if (const int length = typedLength(c.flags)) {
                element.set("maxLength", length);
                element.set("inputMode", "numeric");
                listen(element, {"keydown", "beforeinput"});
            }
            break;
        case Kind::Button:
            element = make(client, "button", c.name);
            element.set("textContent", caption);
            break;
        case Kind::RichText:
            element = make(client, "textarea", c.name);
            element.set("readOnly", bool(c.flags & ReadOnly));
            break;
        case Kind::LiveText:
            element = make(client, "div", c.name);
            attribute(element, "role", val("status"));
            break;
        }
        if (styled.isUndefined())
            styled = element;
        if (c.description && c.kind != Kind::Option)
            attribute(element, "aria-description", val(std::wstring(c.description)));
        if (c.accessibleName)
            attribute(element, "aria-label", val(std::wstring(c.accessibleName)));
        val style = styled["style"];
        if (c.font.face)
            style.set("font", cssFont(c.font));
        if (c.foreground != noColour)
            style.set("color", css(c.foreground));
        if (c.background != noColour)
            style.set("background", css(c.background));
        int width = c.width;
        if (c.kind == Kind::Label)
            width = captionWidth(width, roomFor(table, row, window.clientWidth), styled["scrollWidth"].as<int>());
        style.set("left", px(c.x));
        style.set("top", px(c.y));
        style.set("width", px(width));
        style.set("height", px(c.height));
        elements.push_back(element);
    }
    return elements;
}

class Page final : public Form1Face, public AboutBoxFace
{
public:
    Page()
    {
        document().set("title", std::wstring(form1.title));
        val main = make(document()["body"], "main");
        // Named for those who find their way by headings; the page shows the title in its tab.
        make(main, "h1").set("textContent", std::wstring(form1.title));
        main["style"].set("width", px(form1.clientWidth));
        val bar = make(main, "div", "menubar");
        attribute(bar, "role", val("menubar"));
        listen(bar, {"focusout"});
        // The menu title and its menu are one item of the bar.
        val item = make(bar, "div");
        attribute(item, "role", val("none"));
        menuItem(item, "plus", menuTitle, 0);
        attribute(byId("plus"), "aria-haspopup", val("menu"));
        attribute(byId("plus"), "aria-expanded", val(false));
        menu = make(item, "div", "menu");
        attribute(menu, "role", val("menu"));
        attribute(menu, "aria-labelledby", val("plus"));
        menu.set("hidden", true);
        for (const auto &[id, caption] : menuItems)
            menuItem(menu, id, caption, -1);

        client = make(main, "div", form1.name);
        form1Elements = build(client, form1, form1Controls);
        for (const Click &click : form1Clicks)
            listen(control(click.control), {"click"});

        failure = make(main, "dialog", "failure");
        attribute(failure, "aria-labelledby", val("failure-title"));
        attribute(failure, "aria-describedby", val("failure-text"));
        make(failure, "div", "failure-title").set("textContent", std::string(appinfo::name));
        make(failure, "p", "failure-text");
        val form = make(failure, "form");
        form.set("method", "dialog");
        make(form, "button").set("textContent", "OK");

        if (val::global("navigator")["serviceWorker"].as<bool>())
            val::global("navigator")["serviceWorker"].call<void>("register", std::string("sw.js"));
    }

    void on(val event)
    {
        const std::string type = event["type"].as<std::string>(), id = event["currentTarget"]["id"].as<std::string>();
        if (type == "beforeinput")
            return typed(event);
        if (type == "focusout") {
            // The menu closes when the focus leaves the bar.
            if (!byId("menubar").call<bool>("contains", event["relatedTarget"]))
                openMenu(-1);
            return;
        }
        if (type == "keydown")
            return id == "plus" || id == "about" || id == "quit" ? menuKey(event, id) : wantedKey(event);
        for (const Click &click : form1Clicks)
            if (id == form1Controls[std::size_t(click.control)].name)
                return click.handler(*this);
        if (id == "plus")
            openMenu(menu["hidden"].as<bool>() ? 0 : -1);
        else if (id == "about" || id == "quit")
            choose(id);
        else if (id == "Command1")
            hideAbout();
        else if (id == "close")
            unloadAbout();
    }

    void tick()
    {
        if (typewriter->Timer1_Timer(*this))
            stopTimer();
    }

private:
    static constexpr std::pair<const char *, const wchar_t *> menuItems[] = {{"about", aboutItem}, {"quit", quitItem}};
    static constexpr int titleBarHeight = 18;

    static val byId(const char *id) { return document().call<val>("getElementById", std::string(id)); }
    val control(Form1Control id) const { return form1Elements[std::size_t(id)]; }

    void menuItem(val parent, const char *id, const wchar_t *caption, int tabIndex)
    {
        val item = make(parent, "div", id);
        attribute(item, "role", val("menuitem"));
        item.set("tabIndex", tabIndex);
        item.set("textContent", std::wstring(caption));
        listen(item, {"click", "keydown"});
    }

    // Opens the menu with the focus on its item `index`, or closes it for -1.
    void openMenu(int index)
    {
        menu.set("hidden", index < 0);
        attribute(byId("plus"), "aria-expanded", val(index >= 0));
        if (index >= 0)
            byId(menuItems[index].first).call<void>("focus");
    }

    // The keys of a menu bar as WAI-ARIA's pattern gives them.
    void menuKey(val event, const std::string &id)
    {
        const std::string key = event["key"].as<std::string>();
        const int count = int(std::size(menuItems));
        int at = 0;
        while (at < count && id != menuItems[at].first)
            ++at;
        if (at == count && (key == "Enter" || key == " " || key == "ArrowDown"))
            openMenu(0);
        else if (key == "ArrowUp")
            openMenu(at == count ? count - 1 : (at + count - 1) % count);
        else if (at < count && key == "ArrowDown")
            openMenu((at + 1) % count);
        else if (at < count && (key == "Enter" || key == " "))
            choose(id);
        else if (key == "Escape") {
            openMenu(-1);
            byId("plus").call<void>("focus");
        } else
            return key == "Tab" ? openMenu(-1) : void();
        event.call<void>("preventDefault");
    }

    void choose(const std::string &id)
    {
        openMenu(-1);
        id == "about" ? about_Click() : quit_Click();
    }

    // As on the desktop, Ctrl with a letter makes a control character, which the digit rule
    // swallows (all but Ctrl+H, a backspace): Ctrl+V pastes nothing, while Shift+Insert does.
    void wantedKey(val event)
    {
        const std::u16string key = event["key"].as<std::u16string>();
        const char16_t letter = key.size() == 1 ? key[0] | 0x20 : 0;
        if (event["ctrlKey"].as<bool>() && !event["altKey"].as<bool>() && letter >= u'a' && letter <= u'z'
            && !calc::wantedBoxTakes(std::u16string(1, char16_t(letter & 0x1f))))
            event.call<void>("preventDefault");
    }

    // Typed characters, from keys, input methods and on-screen keyboards alike, pass the digit
    // rule; a paste or a drop comes in as it is, cut to the box's length.
    void typed(val event)
    {
        const std::string kind = event["inputType"].as<std::string>();
        const val data = event["data"];
        if (kind.starts_with("insert") && kind != "insertFromPaste" && kind != "insertFromDrop" && data.isString()
            && !calc::wantedBoxTakes(data.as<std::u16string>()))
            event.call<void>("preventDefault");
    }

    std::u16string text(Form1Control box) const override { return control(box)["value"].as<std::u16string>(); }
    void setText(Form1Control box, std::u16string_view text) override { control(box).set("value", std::u16string(text)); }

    calc::NumberFormat numberFormat() const override
    {
        val options = val::object();
        options.set("signDisplay", "always");
        const val format = val::global("Intl")["NumberFormat"].new_(val::global("navigator")["language"], options);
        calc::NumberFormat parts;
        for (const double number : {-1.5, 1.0}) {
            const val list = format.call<val>("formatToParts", number);
            for (int i = 0; i < list["length"].as<int>(); ++i) {
                const std::string type = list[i]["type"].as<std::string>();
                const std::u16string value = list[i]["value"].as<std::u16string>();
                if (type == "decimal") parts.decimalPoint = value;
                if (type == "minusSign") parts.negativeSign = value;
                if (type == "plusSign") parts.positiveSign = value;
            }
        }
        return parts;
    }

    // Dismissed, the dialog gives the focus back to where it was, and everything typed is in place.
    void reportFailure(calc::Status status) override
    {
        byId("failure-text").set("textContent", std::u16string(runTimeErrorMessage(status)));
        failure.call<void>("showModal");
    }

    // A new text each time, so that a repeated one is heard again.
    void announce(std::u16string_view text) override { control(Form1Control::annonce).call<void>("replaceChildren", std::u16string(text)); }

    void replace(std::size_t from, std::size_t to, std::u16string_view text) override
    {
        rtf().call<void>("setRangeText", std::u16string(text), from, to);
    }
    void cursorToStart() override { rtf().call<void>("setSelectionRange", 0, 0); }

    val rtf() const { return byId(form2Controls[std::size_t(Form2Control::rtf)].name); }

    // Loads the about window on first use, or shows it as it was left.
    void about_Click()
    {
        if (!typewriter) {
            about = make(client, "div", form2.name);
            attribute(about, "role", val("dialog"));
            attribute(about, "aria-labelledby", val("about-title"));
            about["style"].set("left", px(form2.clientX - form1.clientX));
            about["style"].set("top", px(form2.clientY - form1.clientY - titleBarHeight));
            val title = make(about, "div", "about-title");
            title.set("textContent", std::wstring(form2.title));
            val close = make(about, "button", "close");
            attribute(close, "aria-label", val("Fermer"));
            listen(close, {"click"});
            const std::vector<val> elements = build(make(about, "div"), form2, form2Controls);
            listen(elements[std::size_t(Form2Control::Command1)], {"click"});
            typewriter.emplace(u'\n');
            typewriter->Form_Load();
            timer = emscripten_set_interval([](void *page) { static_cast<Page *>(page)->tick(); },
                                            double(typingInterval.count()), this);
        }
        about.set("hidden", false);
        rtf().call<void>("focus");
    }

    void hideAbout()
    {
        about.set("hidden", true);
        byId("plus").call<void>("focus");
    }

    void stopTimer()
    {
        if (timer)
            emscripten_clear_interval(*timer);
        timer.reset();
    }

    void unloadAbout()
    {
        stopTimer();
        typewriter.reset();
        about.call<void>("remove");
        byId("plus").call<void>("focus");
    }

    // At once, as far as a page can: every window and timer goes, and the tab too where the
    // browser lets a page close it.
    void quit_Click()
    {
        stopTimer();
        val line = make(val::undefined(), "p");
        document()["body"].call<void>("replaceChildren", line);
        line.set("textContent", std::u16string(u"Le programme est terminé. "));
        val again = make(line, "a");
        again.set("href", "./");
        again.set("textContent", "Le relancer");
        val::global("window").call<void>("close");
    }

    val menu = val::undefined(), client = val::undefined(), failure = val::undefined(), about = val::undefined();
    std::vector<val> form1Elements;
    std::optional<Typewriter> typewriter;
    std::optional<long> timer;
};

std::optional<Page> page;

void on(val event) { page->on(event); }

} // namespace

EMSCRIPTEN_BINDINGS(page) { emscripten::function("on", &on); }

int main()
{
    page.emplace();
}
